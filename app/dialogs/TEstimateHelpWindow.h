#pragma once
// F1: a window beside the main one that explains how the estimate of vehicles in service and
// their share of the fleet is worked out. The text ships inside the program.

#include <QDialog>

class QTextBrowser;

class TEstimateHelpWindow final : public QDialog {
    Q_OBJECT

public:
    explicit TEstimateHelpWindow(QWidget* parent = nullptr);

    // The explanation as shipped, in Markdown.
    static QString HelpText();

    QTextBrowser* Text = nullptr;
};
