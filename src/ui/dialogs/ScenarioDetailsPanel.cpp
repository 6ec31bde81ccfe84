#include "ui/dialogs/ScenarioDetailsPanel.h"

#include "engine/UnitSpecs.h"
#include "scenario/Options.h"
#include "scenario/SetupModel.h"
#include "ui/BoardWidget.h"
#include "ui/PictureStrip.h"
#include "ui/QtText.h"
#include "ui/UnitNames.h"
#include "ui/dialogs/FormationPreview.h"
#include "util/Latin1.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

namespace marovane {

namespace {

// The units preview shows the fifteen types in rows of three, as the picture strips hold them.
constexpr int kPreviewColumns = 3;
constexpr int kPreviewRows = kUnitTypes / kPreviewColumns;

} // namespace

ScenarioDetailsPanel::ScenarioDetailsPanel(QWidget* parent) : QWidget(parent) {
    auto* details = new QVBoxLayout(this);
    details->setContentsMargins(0, 0, 0, 0);
    noGame_ = new QLabel(tr("Select a scenario to see its details."), this);
    noGame_->setWordWrap(true);
    details->addWidget(noGame_);
    badge_ = new QLabel(this);
    badge_->setPixmap(QPixmap(":/icons/marovane-48.png"));
    badge_->setToolTip(tr("A scenario that comes with Marovane"));
    details->addWidget(badge_);
    description_ = new QTextEdit(this);
    description_->setReadOnly(true);
    description_->setMinimumHeight(110);
    details->addWidget(description_);
    size_ = new QLabel(this);
    party_ = new QLabel(this);
    cash_ = new QLabel(this);
    advanced_ = new QLabel(tr("Advanced unit placement"), this);
    for (QLabel* label : {size_, party_, cash_, advanced_})
        details->addWidget(label);
    auto* previews = new QHBoxLayout;
    startPreview_ = NewFormationBoard(this, 32);
    startPreview_->setObjectName("brdStart");
    unitsPreview_ = new BoardWidget(this);
    unitsPreview_->setObjectName("brdUnits");
    unitsPreview_->SetSize(kPreviewRows, kPreviewColumns);
    unitsPreview_->SetBackColor(QColor(200, 200, 200));
    unitsPreview_->SetCellWidth(static_cast<int>(26 * unitsPreview_->Geometry().Tpp()));
    unitsPreview_->SetCellHeight(static_cast<int>(26 * unitsPreview_->Geometry().Tpp()));
    unitsPreview_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    previews->addWidget(startPreview_, 0, Qt::AlignTop);
    previews->addWidget(unitsPreview_, 0, Qt::AlignTop);
    previews->addStretch();
    details->addLayout(previews);
    details->addStretch();
    setMinimumWidth(300);
}

void ScenarioDetailsPanel::Show(const SetupModel& model) {
    const bool shown = model.HasScenario();
    noGame_->setVisible(!shown);
    for (QWidget* widget : std::initializer_list<QWidget*>{description_, size_, party_, cash_,
                                                           startPreview_, unitsPreview_})
        widget->setVisible(shown);
    advanced_->setVisible(model.AdvancedShown());
    badge_->setVisible(model.BuiltIn());
    if (!shown)
        return;
    const GameDef& def = model.Definition();
    // The description ends at its first NUL; the rest is padding.
    description_->setPlainText(
        Latin1(std::string(TrimRight(def.Description.substr(0, def.Description.find('\0'))))));
    size_->setText(tr(" Board Size: %1 x %2 ").arg(def.Width).arg(def.Height));
    party_->setText(tr("Party: %1").arg(def.PartySize));
    cash_->setText(tr("Money: %1").arg(Latin1(FormatMoney(def.Treasury))));
}

void ScenarioDetailsPanel::ShowPictures(const SetupModel& model, const PictureStrip& strip,
                                        const UnitSpecs& specs) {
    const GameDef& def = model.Definition();
    ShowFormation(
        *startPreview_,
        [&def](int x, int y) {
            return def.StartPos[static_cast<size_t>(x - 1)][static_cast<size_t>(y - 1)];
        },
        OptionSet(option_bit::NoKeep, def.Options), OptionSet(option_bit::Castle, def.Options),
        strip, specs);
    for (int t = 0; t < kUnitTypes; ++t) {
        const int x = t % kPreviewColumns + 1;
        const int y = t / kPreviewColumns + 1;
        const bool shown = specs.UnitName[t] != "Nothing" && UnitAllowed(t, def.UnitsAllowed);
        unitsPreview_->SetCellPicture(x, y, shown ? strip.Picture(PictureNumber(1, t)) : QPixmap());
        unitsPreview_->SetCellToolTip(x, y, shown ? UnitNameShown(specs.UnitName[t]) : QString());
        unitsPreview_->SetCellVisible(x, y, shown);
    }
}

} // namespace marovane
