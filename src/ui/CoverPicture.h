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
    // A line shown in the middle of the picture, such as whose turn it waits for; none when
    // empty.
    void SetCaption(const QString& caption);
    const QString& Caption() const { return caption_; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    QString name_;
    QString caption_;
};

} // namespace marovane
