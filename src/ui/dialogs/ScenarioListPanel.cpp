#include "ui/dialogs/ScenarioListPanel.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace marovane {

ScenarioListPanel::ScenarioListPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Scenarios:"), this));
    list_ = new QListWidget(this);
    list_->setObjectName("lstTypes");
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setMinimumWidth(180);
    layout->addWidget(list_);
    newScenario_ = new QPushButton(tr("&New Scenario..."), this);
    newScenario_->setObjectName("cmdNewScenario");
    layout->addWidget(newScenario_);

    connect(list_, &QListWidget::itemSelectionChanged, this, &ScenarioListPanel::SelectionChanged);
    connect(list_, &QListWidget::itemDoubleClicked, this, &ScenarioListPanel::PlayWanted);
    connect(list_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QListWidgetItem* item = list_->itemAt(at);
        if (!item)
            return;
        list_->setCurrentItem(item);
        emit PopupWanted(list_->viewport()->mapToGlobal(at));
    });
}

QString ScenarioListPanel::SelectedName() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void ScenarioListPanel::SetNames(const std::vector<std::string>& names) {
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const std::string& name : names)
        list_->addItem(QString::fromStdString(name));
    ClearSelection();
}

bool ScenarioListPanel::Select(const QString& name) {
    QString wanted = name;
    for (int pass = 0; pass < 2; ++pass) {
        for (int row = 0; row < list_->count(); ++row) {
            if (list_->item(row)->text().compare(wanted, Qt::CaseInsensitive) == 0) {
                const QSignalBlocker quiet(list_);
                list_->setCurrentRow(row);
                return true;
            }
        }
        if (!wanted.endsWith(".def", Qt::CaseInsensitive))
            break;
        wanted.chop(4);
    }
    return false;
}

QSize ScenarioListPanel::sizeHint() const {
    return {minimumSizeHint().width() + 10, QWidget::sizeHint().height()};
}

void ScenarioListPanel::ClearSelection() {
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(-1);
    list_->clearSelection();
}

} // namespace marovane
