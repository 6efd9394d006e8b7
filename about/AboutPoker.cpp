#include "AboutPoker.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <utility>

#include "Artwork.h"
#include "Texts.h"
#include "Twips.h"
#include "Version.h"

namespace vantorel {
namespace {

constexpr auto Description = "An easy to play Video Draw Poker game for Windows 9x/NT";
constexpr auto Disclaimer =
    "Copyright \u00A9 2026 the Vantorel developers. All rights reserved. Free to share "
    "whole and unchanged; not for sale.";
constexpr auto LinkCaption = "Vantorel Home";
constexpr auto SiteAddress = "http://vantorel.example/index.html?pkr";

const QColor LinkBlue(0, 0, 255);
const QColor LinkRed(255, 0, 0);
const QColor TextBlack(0, 0, 0);
const QColor TopLineGrey(128, 128, 128);

// The design, in twips.
constexpr int ClientWidth = 6165;
constexpr int ClientHeight = 4170;
constexpr QRect InfoLogoRect = TwipsRect(240, 240, 1425, 2100);
constexpr QRect TitleRect = TwipsRect(1920, 240, 3885, 240);
constexpr QRect VersionRect = TwipsRect(1920, 600, 3885, 225);
constexpr QRect DescriptionRect = TwipsRect(1920, 1080, 3885, 1170);
constexpr QRect DisclaimerRect = TwipsRect(240, 2760, 3870, 825);
constexpr QRect SiteLinkRect = TwipsRect(240, 3720, 1215, 255);
constexpr QRect OkRect = TwipsRect(4560, 2880, 1260, 345);
constexpr QRect SysInfoRect = TwipsRect(4560, 3600, 1245, 345);
constexpr QLine TopLine(Px(0), Px(0), Px(5880), Px(0));
constexpr QLine Rule(Px(120), Px(2520), Px(6000), Px(2520));
constexpr int RuleShadowWidth = 3;

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& rect) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(rect);
    return label;
}

void SetTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

// The design's boxes were drawn for a smaller font than the desktop's; a box that its text would
// overflow grows down and to the right, where the design leaves room. None shrinks.
void FitToText(QLabel& label) {
    const QSize hint = label.wordWrap() ? QSize(label.width(), label.heightForWidth(label.width()))
                                        : label.sizeHint();
    label.resize(label.size().expandedTo(hint));
}

}  // namespace

AboutPoker::AboutPoker(const GameData& game, AboutActions actions, QWidget* parent)
    : QDialog(parent), data_(game), actions_(std::move(actions)) {
    setObjectName("About_Poker");
    // A fixed dialog frame: a close box, but no resizing and no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(art::IconBankIcon(art::QuestionBalloon));
    setFixedSize(TwipsSize(ClientWidth, ClientHeight));
    // The link turns back to blue at the first move over the bare window, buttons held or not.
    setMouseTracking(true);
    BuildControls();
    // The window is built afresh at every opening, so loading it is part of building it.
    Form_Load();
    for (QLabel* label : {lblTitle, lblVersion, lblDescription, lblDisclaimer, SiteLink}) {
        FitToText(*label);
    }
    // A button too narrow for its caption grows to the left, into the gap beside the notice, so
    // the buttons keep their right edges.
    for (QPushButton* button : {cmdOK, cmdSysInfo}) {
        const QRect design = button->geometry();
        const int width = std::max(design.width(), button->sizeHint().width());
        button->setGeometry(design.right() + 1 - width, design.y(), width, design.height());
    }
}

void AboutPoker::BuildControls() {
    InfoLogo = new QLabel(this);
    InfoLogo->setObjectName("InfoLogo");
    InfoLogo->setPixmap(art::ProductLogo(devicePixelRatioF()));
    InfoLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    InfoLogo->setGeometry(InfoLogoRect);

    lblTitle = MakeLabel(this, "lblTitle", TitleRect);
    lblVersion = MakeLabel(this, "lblVersion", VersionRect);
    lblDescription = MakeLabel(this, "lblDescription", DescriptionRect);
    lblDescription->setWordWrap(true);
    lblDisclaimer = MakeLabel(this, "lblDisclaimer", DisclaimerRect);
    lblDisclaimer->setWordWrap(true);
    for (QLabel* label : {lblTitle, lblDescription, lblDisclaimer}) {
        SetTextColour(*label, TextBlack);
    }
    SiteLink = MakeLabel(this, "SiteLink", SiteLinkRect);
    SiteLink->setMouseTracking(true);
    SiteLink->installEventFilter(this);

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(OkRect);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &AboutPoker::cmdOK_Click);
    cmdSysInfo = new QPushButton("&System Info...", this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    cmdSysInfo->setGeometry(SysInfoRect);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutPoker::cmdSysInfo_Click);
    // Enter presses the button with the focus, or OK; Escape closes the box as OK does.
    for (QPushButton* button : {cmdOK, cmdSysInfo}) button->setAutoDefault(true);
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();
}

void AboutPoker::Form_Load() {
    setWindowTitle(QStringLiteral("About ") + text::Title);
    lblTitle->setText(text::Title);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3 %4")
                            .arg(version::Major)
                            .arg(version::Minor)
                            .arg(version::Revision)
                            .arg(QString::fromStdString(data_.VersionDate)));
    lblDescription->setText(Description);
    lblDisclaimer->setText(Disclaimer);
    SetLinkColour(LinkBlue);
    QFont underlined = SiteLink->font();
    underlined.setUnderline(true);
    SiteLink->setFont(underlined);
    SiteLink->setText(LinkCaption);
    SiteLink->setCursor(art::HandCursor());
}

void AboutPoker::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The lines are drawn on the window itself, so the pointer over them is over its surface.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Base), RuleShadowWidth));
    painter.drawLine(Rule);
    // The palette has no inactive title bar colour; its dark shade stands in for it.
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.drawLine(Rule);
    painter.setPen(QPen(TopLineGrey, 1));
    painter.drawLine(TopLine);
}

void AboutPoker::mouseMoveEvent(QMouseEvent* event) {
    // A move over a control that the control leaves unhandled comes on to its window; only the
    // bare surface counts here.
    if (childAt(event->position().toPoint()) == nullptr) Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}

bool AboutPoker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SiteLink) {
        if (event->type() == QEvent::MouseMove) SiteLink_MouseMove();
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* release = static_cast<QMouseEvent*>(event);
            if (release->button() == Qt::LeftButton &&
                SiteLink->rect().contains(release->position().toPoint())) {
                SiteLink_Click();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutPoker::SiteLink_Click() {
    if (actions_.shellOpen) actions_.shellOpen(SiteAddress);
}

void AboutPoker::SiteLink_MouseMove() {
    SetLinkColour(LinkRed);
}

void AboutPoker::Form_MouseMove() {
    SetLinkColour(LinkBlue);
}

void AboutPoker::cmdSysInfo_Click() {
    if (actions_.launchSystemInfo) actions_.launchSystemInfo(*this);
}

void AboutPoker::cmdOK_Click() {
    accept();
}

void AboutPoker::SetLinkColour(const QColor& colour) {
    SetTextColour(*SiteLink, colour);
}

}  // namespace vantorel
