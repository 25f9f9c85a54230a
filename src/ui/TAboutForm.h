// The about box: created hidden at start-up and shown modally by "Help" > "About Wendelmoor".
#pragma once

#include <QDialog>

class QLabel;
class TRbStyleManager;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    // The version panel shows version; the panel and button take the style manager's skin.
    TAboutForm(const QString& version, TRbStyleManager* styles, QWidget* parent = nullptr);

    QLabel* versionPanel() const { return versionPanel_; }
    void RbButton1Click();

private:
    QLabel* versionPanel_ = nullptr;
};
