#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "GameData.h"

class QLabel;
class QPushButton;

namespace vantorel {

// What the About box does outside itself: open the maker's web page, and find and start the
// system information program (reporting its own failure modally over `owner`).
struct AboutActions {
    std::function<void(const std::string& target)> shellOpen;
    std::function<void(QWidget& owner)> launchSystemInfo;
};

// The program's About box: logo, title, version, a description and the notice, a link to the
// maker's web page and a button that starts the system information program. It is built afresh
// at every opening and opened through ShowCentredModal.
class AboutPoker : public QDialog {
    Q_OBJECT

  public:
    AboutPoker(const GameData& game, AboutActions actions, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void Form_Load();
    void SiteLink_Click();
    void SiteLink_MouseMove();
    void Form_MouseMove();
    void cmdSysInfo_Click();
    void cmdOK_Click();
    void SetLinkColour(const QColor& colour);

    const GameData& data_;
    AboutActions actions_;

    // The controls are owned by the window, as Qt children; these only name them.
    QLabel* InfoLogo = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QLabel* SiteLink = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};

}  // namespace vantorel
