#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace marovane {

class PlayerSettings;

// The about box: the program's name, version, platforms and credits, and whether it shows at
// every start. Closing it in any way stores that choice.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(PlayerSettings& settings, QWidget* parent = nullptr);

    // The version of this build, as "major.minor.patch".
    static QString Version();
    // The platforms line: what this build runs on, named truthfully.
    static QString PlatformLine();
    // Who made the program, and what its pictures and fonts are made from.
    static QString Credits();

    QCheckBox* StartupBox() const { return startup_; }
    QPushButton* OkButton() const { return ok_; }
    QLabel* PlatformLabel() const { return platform_; }
    QLabel* CreditsLabel() const { return credits_; }

    void done(int result) override;

private:
    PlayerSettings& settings_;
    QCheckBox* startup_;
    QPushButton* ok_;
    QLabel* platform_;
    QLabel* credits_;
};

} // namespace marovane
