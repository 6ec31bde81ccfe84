#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace marovane {

class PlayerSettings;

// The about box: the program's name, version and platforms, and whether it shows at every
// start. Closing it in any way stores that choice.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(PlayerSettings& settings, QWidget* parent = nullptr);

    // The version of this build, as "major.minor.patch".
    static QString Version();
    // The platforms line: what this build runs on, named truthfully.
    static QString PlatformLine();

    QCheckBox* StartupBox() const { return startup_; }
    QPushButton* OkButton() const { return ok_; }
    QLabel* PlatformLabel() const { return platform_; }

    void done(int result) override;

private:
    PlayerSettings& settings_;
    QCheckBox* startup_;
    QPushButton* ok_;
    QLabel* platform_;
};

} // namespace marovane
