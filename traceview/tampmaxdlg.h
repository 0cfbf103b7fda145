#pragma once
// "Кадр с максимальной амплитудой": the search region (traces and samples, the whole record at
// first), the two half-widths of the averaging window, and the search of TCAmpMaxSearch run on
// the user-interface thread with a progress bar; "Стоп" ends it early. Closes with OK and the
// best vertex found, also after a stop.

#include <QDialog>
#include <QPoint>

#include <memory>

class TCSegyReaderEx;
namespace Ui {
class TAmpMaxDlg;
}

class TAmpMaxDlg : public QDialog {
    Q_OBJECT
public:
    TAmpMaxDlg(TCSegyReaderEx& reader, QWidget* parent = nullptr);
    ~TAmpMaxDlg() override;

    // The best vertex (trace, sample); (1, 1) until a search found better.
    QPoint Vertex() const { return m_best; }
    bool Searching() const { return m_searching; }

    void reject() override;

private:
    void UpdateSearch();
    void SetWholeRecord();
    void Search();
    // The four region boxes as numbers; false when one is not a number.
    bool Region(qint64 v[4]) const;

    std::unique_ptr<Ui::TAmpMaxDlg> m_ui;
    TCSegyReaderEx& m_reader;
    int m_traces;
    int m_samples;
    QPoint m_best{1, 1};
    bool m_stop = false;
    bool m_searching = false;
};
