#include "TEstimateHelpWindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

TEstimateHelpWindow::TEstimateHelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EstimateHelpWindow"));
    setWindowTitle(QStringLiteral("How the estimate is computed"));
    Text = new QTextBrowser(this);
    Text->setObjectName(QStringLiteral("EstimateHelpText"));
    Text->setOpenLinks(false);
    Text->setMarkdown(HelpText());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text);
    layout->addWidget(buttons);
    resize(560, 420);
}

// The text's resource lives in the program's library: register it before first use.
static void RegisterHelpResource() {
    Q_INIT_RESOURCE(EstimateHelp);
}

QString TEstimateHelpWindow::HelpText() {
    RegisterHelpResource();
    QFile file(QStringLiteral(":/help/EstimateHelp.md"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}
