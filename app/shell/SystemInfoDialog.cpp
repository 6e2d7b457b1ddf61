#include "shell/SystemInfoDialog.h"

#include "core/FormParts.h"
#include "shell/SystemInformation.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pellam::app {

SystemInfoDialog::SystemInfoDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SystemInfoDialog"));
    setWindowTitle(QStringLiteral("System Information"));
    const auto rows = systemInformation();
    auto* table = new QTableWidget(int(rows.size()), 2, this);
    table->setObjectName(QStringLiteral("lstInfo"));
    table->setHorizontalHeaderLabels({QStringLiteral("Item"), QStringLiteral("Value")});
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < rows.size(); ++r) {
        table->setItem(r, 0, new QTableWidgetItem(rows[r].first));
        table->setItem(r, 1, new QTableWidgetItem(rows[r].second));
    }
    table->resizeColumnToContents(0);

    QPushButton* copy = namedButton(this, QStringLiteral("&Copy"), QStringLiteral("cmdCopy"));
    QPushButton* close = namedButton(this, QStringLiteral("&Close"), QStringLiteral("cmdClose"));
    close->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addLayout(buttonRow({copy, close}));
    resize(640, 420);

    connect(copy, &QPushButton::clicked, this, [] { QApplication::clipboard()->setText(systemInformationText()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace pellam::app
