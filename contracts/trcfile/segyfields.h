#pragma once
// The SEG-Y revision 1 header layouts as data. A header word is addressed by its field index,
// the 0-based position of the field in these tables; every header access goes through them.

#include <cstdint>

namespace trc {

struct FieldDef {
    const char* name; // short English name of the field
    int pos;          // 1-based byte position within its header (trace: 1..240, binary: 1..400)
    int size;         // 2, 4 (signed two's complement integers in the file's byte order)
};

constexpr int kTextHeaderBytes = 3200;
constexpr int kBinHeaderBytes = 400;
constexpr int kTraceHeaderBytes = 240;
constexpr int kFileHeaderBytes = kTextHeaderBytes + kBinHeaderBytes;

// Trace header fields, bytes 1..240 (the last eight unassigned bytes as two 4-byte words).
constexpr FieldDef kTraceFields[] = {
    {"TRACE_SEQUENCE_LINE", 1, 4},
    {"TRACE_SEQUENCE_FILE", 5, 4},
    {"FIELD_RECORD", 9, 4},
    {"TRACE_NUMBER", 13, 4},
    {"ENERGY_SOURCE_POINT", 17, 4},
    {"CDP", 21, 4},
    {"CDP_TRACE", 25, 4},
    {"TRACE_ID_CODE", 29, 2},
    {"NSUMMED_TRACES", 31, 2},
    {"NSTACKED_TRACES", 33, 2},
    {"DATA_USE", 35, 2},
    {"OFFSET", 37, 4},
    {"RECEIVER_GROUP_ELEVATION", 41, 4},
    {"SOURCE_SURFACE_ELEVATION", 45, 4},
    {"SOURCE_DEPTH", 49, 4},
    {"RECEIVER_DATUM_ELEVATION", 53, 4},
    {"SOURCE_DATUM_ELEVATION", 57, 4},
    {"SOURCE_WATER_DEPTH", 61, 4},
    {"GROUP_WATER_DEPTH", 65, 4},
    {"ELEVATION_SCALAR", 69, 2},
    {"SOURCE_GROUP_SCALAR", 71, 2},
    {"SOURCE_X", 73, 4},
    {"SOURCE_Y", 77, 4},
    {"GROUP_X", 81, 4},
    {"GROUP_Y", 85, 4},
    {"COORDINATE_UNITS", 89, 2},
    {"WEATHERING_VELOCITY", 91, 2},
    {"SUBWEATHERING_VELOCITY", 93, 2},
    {"SOURCE_UPHOLE_TIME", 95, 2},
    {"GROUP_UPHOLE_TIME", 97, 2},
    {"SOURCE_STATIC", 99, 2},
    {"GROUP_STATIC", 101, 2},
    {"TOTAL_STATIC", 103, 2},
    {"LAG_TIME_A", 105, 2},
    {"LAG_TIME_B", 107, 2},
    {"DELAY_RECORDING_TIME", 109, 2},
    {"MUTE_TIME_START", 111, 2},
    {"MUTE_TIME_END", 113, 2},
    {"SAMPLE_COUNT", 115, 2},
    {"SAMPLE_INTERVAL", 117, 2},
    {"GAIN_TYPE", 119, 2},
    {"INSTRUMENT_GAIN_CONSTANT", 121, 2},
    {"INSTRUMENT_INITIAL_GAIN", 123, 2},
    {"CORRELATED", 125, 2},
    {"SWEEP_FREQUENCY_START", 127, 2},
    {"SWEEP_FREQUENCY_END", 129, 2},
    {"SWEEP_LENGTH", 131, 2},
    {"SWEEP_TYPE", 133, 2},
    {"SWEEP_TAPER_START", 135, 2},
    {"SWEEP_TAPER_END", 137, 2},
    {"TAPER_TYPE", 139, 2},
    {"ALIAS_FILTER_FREQUENCY", 141, 2},
    {"ALIAS_FILTER_SLOPE", 143, 2},
    {"NOTCH_FILTER_FREQUENCY", 145, 2},
    {"NOTCH_FILTER_SLOPE", 147, 2},
    {"LOW_CUT_FREQUENCY", 149, 2},
    {"HIGH_CUT_FREQUENCY", 151, 2},
    {"LOW_CUT_SLOPE", 153, 2},
    {"HIGH_CUT_SLOPE", 155, 2},
    {"YEAR", 157, 2},
    {"DAY_OF_YEAR", 159, 2},
    {"HOUR", 161, 2},
    {"MINUTE", 163, 2},
    {"SECOND", 165, 2},
    {"TIME_BASIS_CODE", 167, 2},
    {"TRACE_WEIGHTING_FACTOR", 169, 2},
    {"GEOPHONE_GROUP_ROLL1", 171, 2},
    {"GEOPHONE_GROUP_FIRST", 173, 2},
    {"GEOPHONE_GROUP_LAST", 175, 2},
    {"GAP_SIZE", 177, 2},
    {"OVER_TRAVEL", 179, 2},
    {"CDP_X", 181, 4},
    {"CDP_Y", 185, 4},
    {"INLINE", 189, 4},
    {"CROSSLINE", 193, 4},
    {"SHOT_POINT", 197, 4},
    {"SHOT_POINT_SCALAR", 201, 2},
    {"TRACE_VALUE_UNIT", 203, 2},
    {"TRANSDUCTION_MANTISSA", 205, 4},
    {"TRANSDUCTION_EXPONENT", 209, 2},
    {"TRANSDUCTION_UNIT", 211, 2},
    {"DEVICE_ID", 213, 2},
    {"TIME_SCALAR", 215, 2},
    {"SOURCE_TYPE", 217, 2},
    {"SOURCE_ENERGY_DIRECTION_MANTISSA", 219, 4},
    {"SOURCE_ENERGY_DIRECTION_EXPONENT", 223, 2},
    {"SOURCE_MEASUREMENT_MANTISSA", 225, 4},
    {"SOURCE_MEASUREMENT_EXPONENT", 229, 2},
    {"SOURCE_MEASUREMENT_UNIT", 231, 2},
    {"UNASSIGNED1", 233, 4},
    {"UNASSIGNED2", 237, 4},
};

// Binary file header fields; positions count from the start of the 400-byte header
// (file bytes 3201..3600); unassigned ranges are left out.
constexpr FieldDef kBinFields[] = {
    {"JOB_ID", 1, 4},
    {"LINE_NUMBER", 5, 4},
    {"REEL_NUMBER", 9, 4},
    {"TRACES_PER_ENSEMBLE", 13, 2},
    {"AUX_TRACES_PER_ENSEMBLE", 15, 2},
    {"SAMPLE_INTERVAL", 17, 2},
    {"ORIGINAL_SAMPLE_INTERVAL", 19, 2},
    {"SAMPLES_PER_TRACE", 21, 2},
    {"ORIGINAL_SAMPLES_PER_TRACE", 23, 2},
    {"FORMAT", 25, 2},
    {"ENSEMBLE_FOLD", 27, 2},
    {"SORTING_CODE", 29, 2},
    {"VERTICAL_SUM", 31, 2},
    {"SWEEP_FREQUENCY_START", 33, 2},
    {"SWEEP_FREQUENCY_END", 35, 2},
    {"SWEEP_LENGTH", 37, 2},
    {"SWEEP_TYPE", 39, 2},
    {"SWEEP_CHANNEL", 41, 2},
    {"SWEEP_TAPER_START", 43, 2},
    {"SWEEP_TAPER_END", 45, 2},
    {"TAPER_TYPE", 47, 2},
    {"CORRELATED_TRACES", 49, 2},
    {"BINARY_GAIN_RECOVERY", 51, 2},
    {"AMPLITUDE_RECOVERY", 53, 2},
    {"MEASUREMENT_SYSTEM", 55, 2},
    {"IMPULSE_POLARITY", 57, 2},
    {"VIBRATORY_POLARITY", 59, 2},
    {"SEGY_REVISION", 301, 2},
    {"FIXED_LENGTH_TRACES", 303, 2},
    {"EXTENDED_TEXT_HEADERS", 305, 2},
};

constexpr int kTraceFieldCount = int(sizeof(kTraceFields) / sizeof(kTraceFields[0]));
constexpr int kBinFieldCount = int(sizeof(kBinFields) / sizeof(kBinFields[0]));

// Field indices the library itself interprets.
namespace tf {
constexpr int kSeqLine = 0, kSeqFile = 1, kFieldRecord = 2, kTraceNumber = 3, kSourcePoint = 4,
              kCdp = 5, kCdpTrace = 6, kTraceId = 7, kOffset = 11, kCoordScalar = 20, kSourceX = 21,
              kSourceY = 22, kGroupX = 23, kGroupY = 24, kCoordUnits = 25, kSampleCount = 38,
              kSampleInterval = 39, kYear = 59, kDayOfYear = 60, kHour = 61, kMinute = 62,
              kSecond = 63, kTimeBasis = 64;
}
namespace bf {
constexpr int kTracesPerEnsemble = 3, kSampleInterval = 5, kSamples = 7, kFormat = 9, kSorting = 11,
              kMeasurement = 24, kRevision = 27, kFixedLength = 28, kExtTextHeaders = 29;
}

// True when the fields follow each other without gaps or overlaps from byte 1 to `end`.
constexpr bool FieldsContiguous(const FieldDef* f, int n, int end) {
    int next = 1;
    for (int i = 0; i < n; ++i) {
        if (f[i].pos != next)
            return false;
        next = f[i].pos + f[i].size;
    }
    return next == end + 1;
}

static_assert(FieldsContiguous(kTraceFields, kTraceFieldCount, kTraceHeaderBytes),
              "trace header fields must cover bytes 1..240 in order");
static_assert(FieldsContiguous(kBinFields, 27, 60) && kBinFields[27].pos == 301,
              "binary header fields out of order");
static_assert(kTraceFieldCount == 91, "SEG-Y rev 1 trace header has 91 words here");
static_assert(kBinFieldCount == 30, "SEG-Y rev 1 binary header has 30 assigned words");
static_assert(kTraceFields[tf::kSampleCount].pos == 115 && kBinFields[bf::kSamples].pos == 21,
              "field tables out of order");

} // namespace trc
