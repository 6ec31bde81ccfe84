#include "ui/dialogs/SetupLobbyPanel.h"

#include "scenario/SetupModel.h"
#include "ui/QtText.h"
#include "ui/Translated.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace marovane {

namespace {

// A label a guest clicks to claim or give up a slot.
class SlotClaimLabel : public QLabel {
public:
    SlotClaimLabel(std::function<void()> clicked, QWidget* parent)
        : QLabel(SetupLobbyPanel::tr("Unknown"), parent), clicked_(std::move(clicked)) {
        setCursor(Qt::PointingHandCursor);
        setMinimumWidth(90);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            clicked_();
    }

private:
    std::function<void()> clicked_;
};

void SetItalic(QWidget* widget, bool italic) {
    QFont font = widget->font();
    if (font.italic() != italic) {
        font.setItalic(italic);
        widget->setFont(font);
    }
}

void SetBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    if (font.bold() != bold) {
        font.setBold(bold);
        widget->setFont(font);
    }
}

size_t At(int i) {
    return static_cast<size_t>(i);
}

} // namespace

const char* const SetupLobbyPanel::kSpaceTip =
    QT_TR_NOOP("Press SPACE to make all players this type");

SetupLobbyPanel::SetupLobbyPanel(QWidget* parent) : QWidget(parent) {
    auto* middle = new QVBoxLayout(this);
    middle->setContentsMargins(0, 0, 0, 0);
    title_ = new QLabel(this);
    title_->setTextFormat(Qt::PlainText); // a guest shows the title its host sent
    QFont big = title_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    title_->setFont(big);
    middle->addWidget(title_);
    auto* slotGrid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        slotLabels_[At(i)] = new QLabel(tr("Player %1").arg(i + 1), this);
        QComboBox* box = slots_[At(i)] = new QComboBox(this);
        box->setObjectName("cboPlayer" + QString::number(i));
        box->setToolTip(tr(kSpaceTip));
        box->installEventFilter(this);
        slotGrid->addWidget(slotLabels_[At(i)], i, 0);
        slotGrid->addWidget(box, i, 1);
        connect(box, QOverload<int>::of(&QComboBox::activated), this, [this, i](int index) {
            if (!showing_)
                emit SlotPicked(i, index);
        });
        // The guest's view of the slots sits where the host's lists are.
        auto* claim = new SlotClaimLabel([this, i] { emit SlotClaimed(i); }, this);
        claim->setObjectName("lblChoose" + QString::number(i));
        claim->setVisible(false);
        choose_[At(i)] = claim;
        slotGrid->addWidget(claim, i, 1);
    }
    middle->addLayout(slotGrid);
    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");
    middle->addWidget(status_);
    for (int i = 0; i < 2; ++i) {
        options_[At(i)] = new QCheckBox(this);
        options_[At(i)]->setObjectName("chkOption" + QString::number(i));
        middle->addWidget(options_[At(i)]);
        connect(options_[At(i)], &QCheckBox::toggled, this, &SetupLobbyPanel::OptionToggled);
    }
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(new QLabel(tr("Unit pictures:"), this));
    pictures_ = new QComboBox(this);
    pictures_->setObjectName("cboPics");
    pictureRow->addWidget(pictures_);
    middle->addLayout(pictureRow);
    auto* menuRow = new QHBoxLayout;
    optionsButton_ = new QPushButton(tr("&Options"), this);
    teamsButton_ = new QPushButton(tr("&Teams"), this);
    menuRow->addWidget(optionsButton_);
    menuRow->addWidget(teamsButton_);
    middle->addLayout(menuRow);
    middle->addStretch();
    auto* buttons = new QHBoxLayout;
    begin_ = new QPushButton(tr("&Begin"), this);
    begin_->setDefault(true);
    cancel_ = new QPushButton(tr("Cancel"), this);
    details_ = new QPushButton(tr("No &Details"), this);
    buttons->addWidget(begin_);
    buttons->addWidget(cancel_);
    buttons->addWidget(details_);
    middle->addLayout(buttons);
}

void SetupLobbyPanel::ShowSlots(const SetupModel& model) {
    showing_ = true;
    for (int i = 0; i < 4; ++i) {
        QComboBox* box = slots_[At(i)];
        box->clear();
        for (SlotKind choice : model.Choices(i))
            box->addItem(Translated(SetupModel::CaptionText(choice)));
        box->setCurrentIndex(model.Selected(i));
        box->setEnabled(model.Enabled(i));
        box->setVisible(model.Shown(i));
        slotLabels_[At(i)]->setVisible(model.Shown(i));
    }
    showing_ = false;
}

void SetupLobbyPanel::ShowSelections(const SetupModel& model) {
    showing_ = true;
    for (int i = 0; i < 4; ++i)
        slots_[At(i)]->setCurrentIndex(model.Selected(i));
    showing_ = false;
}

void SetupLobbyPanel::ShowOptions(const SetupModel& model) {
    for (int i = 0; i < 2; ++i) {
        options_[At(i)]->setVisible(model.OptionShown(i));
        options_[At(i)]->setText(Translated(model.OptionCaption(i)));
    }
}

std::array<bool, 2> SetupLobbyPanel::OptionsTicked() const {
    return {options_[0]->isChecked(), options_[1]->isChecked()};
}

void SetupLobbyPanel::ClearOptions() {
    for (QCheckBox* box : options_)
        box->setChecked(false);
}

void SetupLobbyPanel::ShowHostSlot(int slot, bool waiting, const QString& toolTip) {
    SetItalic(slots_[At(slot)], waiting);
    slots_[At(slot)]->setToolTip(toolTip);
}

void SetupLobbyPanel::ShowAsGuest(bool guest, const SetupModel& model) {
    for (int i = 0; i < 4; ++i) {
        const bool shown = guest || model.Shown(i);
        slots_[At(i)]->setVisible(!guest && shown);
        slotLabels_[At(i)]->setVisible(shown);
        choose_[At(i)]->setVisible(guest);
        if (guest)
            choose_[At(i)]->setText(tr("Unknown"));
    }
    for (QCheckBox* box : options_)
        box->setEnabled(!guest);
}

void SetupLobbyPanel::ShowGuestSlot(int slot, const QString& text, bool mine) {
    choose_[At(slot)]->setText(text);
    SetBold(choose_[At(slot)], mine);
}

bool SetupLobbyPanel::eventFilter(QObject* watched, QEvent* event) {
    // Space in a slot makes every slot that can be this type take it.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        for (int i = 0; i < 4; ++i) {
            if (watched == slots_[At(i)]) {
                emit AllLike(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace marovane
