#include "qt/AboutBox.h"

#include <QFrame>

#include "qt/Latin1.h"
#include "qt/Logo.h"
#include "qt/TwipsLayout.h"
#include "qt/ViewFonts.h"
#include "shell/AboutBoxPresenter.h"

namespace vantric::qt {

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent),
      title_(new QLabel(this)),
      version_(new QLabel(this)),
      notice_(new QLabel(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      sysInfo_(new QPushButton(QStringLiteral("&System Info..."), this)) {
    setObjectName(QStringLiteral("aboutBox"));
    setFont(DialogFont());
    auto place = [this](QWidget* widget, int left, int top, int width, int height) {
        widget->setGeometry(TwipsToPixels(this, left), TwipsToPixels(this, top), TwipsToPixels(this, width),
                            TwipsToPixels(this, height));
    };
    setFixedSize(TwipsToPixels(this, 5730), TwipsToPixels(this, 3420));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("iconImage"));
    const int logoSize = TwipsToPixels(this, 960);
    logo->setPixmap(LogoPixmap(logoSize, devicePixelRatioF()));
    place(logo, 240, 240, 960, 960);

    title_->setObjectName(QStringLiteral("titleLabel"));
    title_->setFont(ArialFont(18, true));
    place(title_, 1440, 240, 4080, 480);
    version_->setObjectName(QStringLiteral("versionLabel"));
    version_->setFont(ArialFont(9.75));
    place(version_, 1440, 780, 4080, 300);
    notice_->setObjectName(QStringLiteral("descriptionLabel"));
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(notice_, 1440, 1140, 4080, 1020);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    place(line, 120, 2280, 5490, 30);

    ok_->setObjectName(QStringLiteral("okButton"));
    place(ok_, 4080, 2520, 1440, 375);
    sysInfo_->setObjectName(QStringLiteral("systemInfoButton"));
    place(sysInfo_, 4080, 2940, 1440, 375);
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    sysInfo_->setAutoDefault(false);
    setTabOrder(ok_, sysInfo_);

    connect(ok_, &QPushButton::clicked, this, [this] { reject(); });
    connect(sysInfo_, &QPushButton::clicked, this, presenter_.To(&AboutBoxPresenter::OnSystemInfoClicked));
}

void AboutBox::SetCaption(const std::string& caption) { setWindowTitle(Latin1(caption)); }
void AboutBox::SetTitle(const std::string& title) { title_->setText(Latin1(title)); }
void AboutBox::SetVersion(const std::string& version) { version_->setText(Latin1(version)); }
void AboutBox::SetNotice(const std::string& notice) { notice_->setText(Latin1(notice)); }

// OK, Escape and the close box.
void AboutBox::reject() {
    if (presenter_.IsBound())
        presenter_(&AboutBoxPresenter::OnOkClicked);
    else
        QDialog::reject();
}

}  // namespace vantric::qt
