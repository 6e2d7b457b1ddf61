#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace pellam::app {

class FindBar;
class LineFileView;

// The preview of a report text file, in a fixed-pitch font, with a button
// that sends the file as it stands to the raw printer. Only the lines on
// screen are read, so a long report opens at once. Ctrl+F finds text, F3
// and Shift+F3 find it again. Several previews may be open.
class FrmPreview : public QWidget {
    Q_OBJECT
public:
    // Opens a new preview on the report file `file`, as a child of the main
    // window when there is one, and shows it without waiting. The preview
    // takes the file over: it is removed when the window goes.
    static FrmPreview* open(const QString& file, const QString& caption);

    explicit FrmPreview(QWidget* parent = nullptr);
    ~FrmPreview() override;
    void loadFile(const QString& file);
    QString fileName() const { return file_; }

public slots:
    void Command3_Click(); // "&Print Text"
    void Command1_Click(); // "Close"

private:
    LineFileView* rtbInfo_;
    FindBar* findBar_;
    QLabel* status_;
    QPushButton* command3_;
    QPushButton* command1_;
    QString file_;
    bool ownsFile_ = false;
};

} // namespace pellam::app
