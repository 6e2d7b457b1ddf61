#include "shell/frmAbout.h"

#include "core/ApplicationIdentity.h"
#include "core/FormParts.h"
#include "core/MdiHost.h"
#include "shell/SystemInfoDialog.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace pellam::app {

namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    const QString title = QApplication::applicationName();
    setWindowTitle(QStringLiteral("About ") + title);

    QLabel* lblTitle = label(this, QStringLiteral("lblTitle"), title);
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblTitle->setFont(big);
    QLabel* lblDescription = label(
        this, QStringLiteral("lblDescription"),
        QStringLiteral(" The Steadfast Accounts Manager to Assist the Chartiable Societies, Trusts and such Organisations "));
    lblDescription->setWordWrap(true);

    QPushButton* sysInfo = namedButton(this, QStringLiteral("&System Info..."), QStringLiteral("cmdSysInfo"));
    QPushButton* ok = namedButton(this, QStringLiteral("OK"), QStringLiteral("CmdOk"));
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(label(this, QStringLiteral("lblVersion"), QStringLiteral("Version ") + programVersion()));
    layout->addWidget(lblDescription);
    layout->addStretch();
    layout->addLayout(buttonRow({ok, sysInfo}));
    resize(420, 220);

    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(ok, &QPushButton::clicked, this, &frmAbout::CmdOk_Click);
}

void frmAbout::cmdSysInfo_Click()
{
    SystemInfoDialog dialog(this);
    runModal(dialog);
}

void frmAbout::CmdOk_Click()
{
    close();
}

} // namespace pellam::app
