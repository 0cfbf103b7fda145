#pragma once
// What an executor knows of its supervisor: where statuses go and whom it asks about stopping.
// The "window" handed to an execute entry is an opaque pointer to one of these, owned by the
// worker program; a null window means a run nobody watches.

class TUSupervisorLink {
public:
    virtual ~TUSupervisorLink() = default;
    // Status of file `index`: 0 start, 1..100 percent done, 1000 + r the final result.
    virtual void PostStatus(unsigned index, unsigned code) = 0;
    // True when the owner wants the run of file `index` to end now.
    virtual bool QueryStop(unsigned index) = 0;
};
