#include "Table.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "AboutPoker.h"
#include "Artwork.h"
#include "CardPlace.h"
#include "DeckColour.h"
#include "PlaceOuterFrame.h"
#include "QtSysInfoHost.h"
#include "ShellOpen.h"
#include "ShowCentredModal.h"
#include "Texts.h"
#include "Twips.h"
#include "WinningHands.h"

namespace vantorel {

namespace {

// The table's layout in twips (Left, Top, Width, Height), as it was designed.
constexpr QSize ClientArea = TwipsSize(11190, 6330);
constexpr int CardLeft = 840, CardTop = 960, CardWidth = 1695, CardHeight = 3015;
constexpr int HoldLeft = 1320, HoldTop = 4200, HoldWidth = 615, HoldHeight = 495;
constexpr int PlaceStep = 1920;
constexpr QRect ScoreLabelRect = TwipsRect(8520, 240, 1215, 255);
constexpr QRect ScoreValueRect = TwipsRect(9840, 120, 1215, 285);
constexpr QRect BetDownRect = TwipsRect(9600, 5280, 255, 255);
constexpr QRect BetValueRect = TwipsRect(9840, 5280, 975, 285);
constexpr QRect BetUpRect = TwipsRect(10800, 5280, 255, 255);
constexpr QRect PlaceBetRect = TwipsRect(9600, 5640, 1455, 375);

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

Table::Table(TableServices services, const QString& appPath)
    : engine_(data_,
              EngineServices{*this, *this, services.delayer, services.sound, services.random}),
      logic_(data_, engine_, *this) {
    setObjectName("Table");
    BuildControls();
    BuildMenus();
    SetTabOrder();
    // The frame is resizable, but nothing moves with it: the table keeps its designed layout.
    resize(ClientArea.width(), ClientArea.height() + menuBar()->sizeHint().height());
    Form_Load(appPath);
}

Table::Table(TableServices services) : Table(services, QCoreApplication::applicationDirPath()) {}

Table::~Table() = default;

void Table::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName("Client");
    setCentralWidget(client);

    for (int place = 1; place <= Places; ++place) {
        const int step = PlaceStep * (place - 1);
        Cardimg[place] = new CardPlace(client);
        Cardimg[place]->setObjectName(QString("Cardimg_%1").arg(place));
        Cardimg[place]->setGeometry(TwipsRect(CardLeft + step, CardTop, CardWidth, CardHeight));

        HC_[place] = new QPushButton("H/C", client);
        HC_[place]->setObjectName(QString("HC_%1").arg(place));
        HC_[place]->setGeometry(TwipsRect(HoldLeft + step, HoldTop, HoldWidth, HoldHeight));
        connect(HC_[place], &QPushButton::clicked, this, [this, place] { logic_.HC_Click(place); });
    }

    Score_Label = new QLabel("Score...", client);
    Score_Label->setObjectName("Score_Label");
    Score_Label->setGeometry(ScoreLabelRect);
    Score_Label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Score_Value = new QLineEdit(client);
    Score_Value->setObjectName("Score_Value");
    Score_Value->setGeometry(ScoreValueRect);
    Score_Value->setReadOnly(true);
    // The score is shown, not edited: reaching the box by Tab selects no text in it.
    connect(Score_Value, &QLineEdit::selectionChanged, Score_Value, [this] {
        if (Score_Value->hasSelectedText()) Score_Value->deselect();
    });

    Bet_Down = new QPushButton("<", client);
    Bet_Down->setObjectName("Bet_Down");
    Bet_Down->setGeometry(BetDownRect);
    connect(Bet_Down, &QPushButton::clicked, this, [this] { logic_.Bet_Down_Click(); });

    Bet_Value = new QLineEdit(client);
    Bet_Value->setObjectName("Bet_Value");
    Bet_Value->setGeometry(BetValueRect);
    Bet_Value->setAlignment(Qt::AlignRight);
    // textChanged is emitted inside setText as well as for typing, and not for the same text:
    // every writer of the stake box runs its change handler, nested, as the game expects.
    connect(Bet_Value, &QLineEdit::textChanged, this, [this] { logic_.Bet_Value_Change(); });

    Bet_Up = new QPushButton(">", client);
    Bet_Up->setObjectName("Bet_Up");
    Bet_Up->setGeometry(BetUpRect);
    connect(Bet_Up, &QPushButton::clicked, this, [this] { logic_.Bet_Up_Click(); });

    Place_Bet = new QPushButton("Place Bet", client);
    Place_Bet->setObjectName("Place_Bet");
    Place_Bet->setGeometry(PlaceBetRect);
    connect(Place_Bet, &QPushButton::clicked, this, [this] { logic_.Place_Bet_Click(); });

    // Enter presses whichever button has the focus. Outside a dialog an auto-default button is
    // the default only while it has the focus, so no button answers Enter typed elsewhere.
    for (QPushButton* button :
         {HC_[1], HC_[2], HC_[3], HC_[4], HC_[5], Bet_Down, Bet_Up, Place_Bet}) {
        button->setAutoDefault(true);
    }
}

void Table::BuildMenus() {
    const auto item = [this](QMenu* menu, const char* caption, const char* name) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    const auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(name);
    };
    const auto toggle = [&item, this](QMenu* menu, const char* caption, const char* name,
                                      Option option) {
        QAction* action = item(menu, caption, name);
        // Choosing a checkable item flips its mark, and that is the whole command: the game reads
        // the mark when it needs it, so nothing else is connected here.
        action->setCheckable(true);
        action->setChecked(true);
        options_[option] = action;
    };

    QMenu* game = menuBar()->addMenu("Game");
    game->setObjectName("Menus_Game");
    connect(item(game, "New Game", "Menus_Game_New"), &QAction::triggered, this,
            [this] { Menus_Game_New_Click(); });
    separator(game, "s0");
    Menus_Game_ViewStats = item(game, "View Statistics", "Menus_Game_ViewStats");
    connect(Menus_Game_ViewStats, &QAction::triggered, this,
            [this] { OpenWinningHands(FlagFalse); });
    separator(game, "s1");
    connect(item(game, "Exit", "Menus_Game_Exit"), &QAction::triggered, this,
            [this] { Menus_Game_Exit_Click(); });

    QMenu* options = menuBar()->addMenu("Options");
    options->setObjectName("Menus_Options");
    toggle(options, "Sound", "Menus_Options_Sound", Option::Sound);
    toggle(options, "Quick Play", "Menus_Options_QPlay", Option::QuickPlay);
    toggle(options, "View Stats after Game", "Menus_Options_StatAfterGame", Option::StatAfterGame);
    toggle(options, "Limit maximum bet", "menus_options_limit", Option::Limit);
    connect(item(options, "Deck Colour", "Menus_Options_Deck"), &QAction::triggered, this,
            [this] { Menus_Options_Deck_Click(); });
    separator(options, "s4");
    connect(item(options, "Save Settings", "Menus_Options_Save"), &QAction::triggered, this,
            [this] { Menus_Options_Save_Click(); });

    // Kept from the table's development and never shown.
    QMenu* debug = menuBar()->addMenu("Debug");
    debug->setObjectName("Menus_Debug");
    item(debug, "Cycle Cards", "Menus_Debug_Cycle");
    item(debug, "Check Back Coliour", "Menus_debug_check");
    item(debug, "Build a Winning Hand", "Menus_Debug_BuildWin");
    item(debug, "Check Win Logic", "Menus_Debug_WinLogic");
    debug->menuAction()->setVisible(false);
    debug->menuAction()->setEnabled(false);

    QMenu* help = menuBar()->addMenu("Help");
    help->setObjectName("Menus_Help");
    item(help, "Rules", "Menu_Help_Rules")->setEnabled(false);
    connect(item(help, "Winning Hands", "Menus_Help_Hands"), &QAction::triggered, this,
            [this] { OpenWinningHands(FlagTrue); });
    separator(help, "s3");
    connect(item(help, "About Vantorel", "Menus_Help_About"), &QAction::triggered, this,
            [this] { Menus_Help_About_Click(); });
}

void Table::SetTabOrder() {
    QWidget* const order[] = {HC_[1],    HC_[5],      HC_[4],    HC_[3],   HC_[2],
                              Bet_Value, Score_Value, Place_Bet, Bet_Down, Bet_Up};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    Score_Label->setFocusPolicy(Qt::NoFocus);
    // Watched to tell the player's own moves of the focus from the window's.
    for (QWidget* control : order) control->installEventFilter(this);
}

void Table::Form_Load(const QString& appPath) {
    QCoreApplication::setApplicationName(text::Title);
    CentreOnScreen();
    setWindowTitle(QCoreApplication::applicationName());
    setWindowIcon(art::WindowIcon());
    logic_.Form_Load(appPath.toStdString());
    // The options file is read last, once start-up has set every default it may override.
    logic_.ReadOptions();
    Place_Bet->setFocus();
}

void Table::CentreOnScreen() {
    // The screen is read when the window is placed, and again once the window manager has framed
    // it, since its frame is known only then.
    PlaceOuterFrame(*this,
                    [this](const QSizeF& outer) {
                        const QScreen* screen = this->screen() != nullptr
                                                    ? this->screen()
                                                    : QGuiApplication::primaryScreen();
                        // With no screen at all there is nothing to centre on: the window stays
                        // put.
                        if (screen == nullptr) return QPointF(frameGeometry().topLeft());
                        return CentredTopLeft(QRectF(screen->geometry()), outer);
                    },
                    {});
}

void Table::Menus_Game_New_Click() {
    if (IsSet(data_.GameInProgress)) {
        // The blanks centre the question under the warning, as the box has always shown it.
        const QString prompt = QString("Starting a new game now will clear your current score.") +
                               "\r\n\r\n" + QString(28, ' ') + "Are you sure?";
        const auto answer = QMessageBox::warning(
            this, text::Title, prompt, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes) return;
    }
    logic_.StartNewGame();
}

void Table::OpenWinningHands(Flag payTable) {
    data_.ShowPayTable = payTable;
    WinningHands window(data_, this);
    ShowCentredModal(window, *this);
}

void Table::Menus_Options_Deck_Click() {
    // The cards on the table keep their backs; the engine shows the new colour at its next backs.
    DeckColour window(data_, this);
    ShowCentredModal(window, *this);
}

void Table::Menus_Help_About_Click() {
    AboutPoker window(data_,
                      {[](const std::string& target) { ShellOpen(target); },
                       [](QWidget& owner) {
                           QtSysInfoHost host(owner);
                           LaunchSystemInfo(host);
                       }},
                      this);
    ShowCentredModal(window, *this);
}

void Table::Menus_Game_Exit_Click() {
    close();
}

void Table::Menus_Options_Save_Click() {
    // A failed save is told, and the game goes on where it stood.
    if (const auto reason = logic_.SaveOptions()) {
        QMessageBox::warning(this, text::Title,
                             QString("The settings were not saved: %1.\n\n%2")
                                 .arg(Q(*reason), Q(logic_.OptionsPath())),
                             QMessageBox::Ok);
    }
}

void Table::closeEvent(QCloseEvent* event) {
    // A round waiting inside its show unwinds at once; the program ends when the window is gone.
    logic_.Closing();
    event->accept();
}

bool Table::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        switch (static_cast<QFocusEvent*>(event)->reason()) {
            case Qt::MouseFocusReason:
            case Qt::TabFocusReason:
            case Qt::BacktabFocusReason:
            case Qt::ShortcutFocusReason:
                // The player put the focus here, and there it stays.
                focusTakenBySwitchingOff_ = false;
                break;
            default:
                // The window's doing: made active again after a window, a question or a menu
                // closed, the table gives the focus to its first control that takes it, which is
                // not where the player will press next.
                break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QWidget* Table::Widget(Control control) const {
    switch (control) {
        case Control::Place_Bet:
            return Place_Bet;
        case Control::Score_Value:
            return Score_Value;
        case Control::Bet_Value:
            return Bet_Value;
        case Control::Bet_Up:
            return Bet_Up;
        case Control::Bet_Down:
            return Bet_Down;
        default:
            return HC_.at(static_cast<std::size_t>(static_cast<int>(control) -
                                                   static_cast<int>(Control::HC_1) + 1));
    }
}

QAction* Table::OptionAction(Option option) const {
    return options_.at(option);
}

void Table::ShowPicture(int place, int picture) {
    Cardimg.at(static_cast<std::size_t>(place))->SetPicture(picture);
}

void Table::SetCaption(Control control, const std::string& caption) {
    if (auto* button = qobject_cast<QPushButton*>(Widget(control))) button->setText(Q(caption));
}

void Table::SetText(Control control, const std::string& text) {
    if (auto* box = qobject_cast<QLineEdit*>(Widget(control))) box->setText(Q(text));
}

std::string Table::Text(Control control) const {
    if (const auto* box = qobject_cast<const QLineEdit*>(Widget(control)))
        return box->text().toStdString();
    return {};
}

void Table::SetEnabled(Control control, bool enabled) {
    QWidget* const widget = Widget(control);
    if (!enabled && focusWidget() == widget) {
        // Switching the focused control off would pass the focus down the tab order, to the score
        // box as often as not, and leave it there. The main button takes it instead, at once if it
        // is on, else when it is back, so Space and Enter go on playing.
        focusTakenBySwitchingOff_ = true;
        widget->clearFocus();
    }
    widget->setEnabled(enabled);
    if (focusTakenBySwitchingOff_ && Place_Bet->isEnabled()) {
        focusTakenBySwitchingOff_ = false;
        Place_Bet->setFocus(Qt::OtherFocusReason);
    }
}

void Table::Refresh(Control control) {
    Widget(control)->repaint();
}

void Table::SetViewStatsEnabled(bool enabled) {
    Menus_Game_ViewStats->setEnabled(enabled);
}

bool Table::Checked(Option option) const {
    return OptionAction(option)->isChecked();
}

void Table::SetChecked(Option option, bool checked) {
    OptionAction(option)->setChecked(checked);
}

void Table::ShowStatistics() {
    OpenWinningHands(FlagFalse);
}

}  // namespace vantorel
