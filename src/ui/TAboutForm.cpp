#include "TAboutForm.h"

#include "TRbStyleManager.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The picture at the top: the program's name over a sky-to-meadow band, drawn so nothing is shipped.
QPixmap picture() {
    QPixmap pixmap(335, 150);
    QPainter p(&pixmap);
    QLinearGradient sky(0, 0, 0, pixmap.height());
    sky.setColorAt(0, QColor(0x2f, 0x5f, 0x8f));
    sky.setColorAt(0.7, QColor(0x9c, 0xc2, 0xe8));
    sky.setColorAt(1, QColor(0x7c, 0xc2, 0x86));
    p.fillRect(pixmap.rect(), sky);
    QFont title("Tahoma");
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(pixmap.rect().adjusted(0, 0, 0, -30), Qt::AlignCenter, "Wendelmoor");
    QFont line("Tahoma");
    line.setPixelSize(12);
    p.setFont(line);
    p.drawText(pixmap.rect().adjusted(0, 60, 0, 0), Qt::AlignCenter, "links, notes and small actions");
    return pixmap;
}

} // namespace

TAboutForm::TAboutForm(const QString& version, TRbStyleManager* styles, QWidget* parent) : QDialog(parent) {
    setObjectName("AboutForm");
    setWindowTitle("About");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(355, 307);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* background = new QWidget(this);  // the gradient panel over the whole client area
    background->setObjectName("RbPanel1");
    outer->addWidget(background);

    auto* column = new QVBoxLayout(background);
    column->setContentsMargins(10, 10, 10, 10);
    auto* image = new QLabel(background);
    image->setObjectName("Image1");
    image->setPixmap(picture());
    image->setAlignment(Qt::AlignCenter);
    column->addWidget(image);

    versionPanel_ = new QLabel("Version " + version, background);
    versionPanel_->setObjectName("VersionPanel");
    versionPanel_->setAlignment(Qt::AlignCenter);
    versionPanel_->setFixedHeight(30);
    column->addWidget(versionPanel_);
    column->addStretch(1);

    auto* ok = new QPushButton("Ok", background);
    ok->setObjectName("RbButton1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TAboutForm::RbButton1Click);
    column->addWidget(ok, 0, Qt::AlignHCenter);

    if (styles) {
        styles->registerControl(background, TRbStyleManager::Kind::Panel);
        styles->registerControl(versionPanel_, TRbStyleManager::Kind::Panel);
        styles->registerControl(ok, TRbStyleManager::Kind::Button);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TAboutForm::RbButton1Click() { accept(); }
