#include "shell/SystemInfoDialog.h"

#include "shell/SystemInformation.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
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

    auto* copy = new QPushButton(QStringLiteral("&Copy"), this);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addLayout(buttons);
    resize(640, 420);

    connect(copy, &QPushButton::clicked, this, [] { QApplication::clipboard()->setText(systemInformationText()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace pellam::app
