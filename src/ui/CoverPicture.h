#pragma once

#include <QPixmap>
#include <QWidget>

namespace marovane {

// A picture that fills its area without distortion, cropping what does not fit: the title
// picture before and after a game, the cover wherever the board is hidden.
class CoverPicture : public QWidget {
    Q_OBJECT

public:
    explicit CoverPicture(QWidget* parent = nullptr) : QWidget(parent) {}

    void SetPicture(const QPixmap& picture, const QString& name);
    // Which picture is shown ("intro.jpg", "hide.jpg"), for the window and its tests.
    const QString& PictureName() const { return name_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QString name_;
};

} // namespace marovane
