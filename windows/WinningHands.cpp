#include "WinningHands.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Artwork.h"
#include "Integer.h"
#include "Twips.h"

namespace vantorel {
namespace {

// The window's words, shown exactly so. The captions are fixed texts, not built from the
// application title.
constexpr auto DesignCaption = "Winning_Hands";
constexpr auto PayTableCaption = "Vantorel - Winning Hands";
constexpr auto StatisticsCaption = "Vantorel - Game Statistics";
constexpr auto PayTableFrameCaption =
    "A list of winning hands, a short description and their values...";
constexpr auto StatisticsFrameCaption = "Breakdown of Winning Hands.";
constexpr auto PayTableValueHeader = "Value (*Bet Placed)";
constexpr auto StatisticsValueHeader = "Frequency";
constexpr auto HandHeader = "Hand";
constexpr auto DescriptionHeader = "Description";
constexpr auto LeftSeparator = ":-";
constexpr auto RightSeparator = "=";
constexpr auto TotalWonText = "Total Won";
constexpr auto TotalLostText = "Total Lost";
constexpr auto HandsPlayedBefore = "Of ";
constexpr auto HandsPlayedAfter = " hands played...";
constexpr auto CloseButtonText = "O.K";

// The design, in twips. Controls inside a frame are placed from the frame's top-left corner.
constexpr int ClientWidth = 9795;
constexpr int ClientHeight = 5310;
constexpr QRect InfoLogoRect = TwipsRect(360, 240, 1425, 2100);
constexpr QRect HandsPlayedRect = TwipsRect(120, 3360, 1935, 1095);
constexpr QRect TotalWonRect = TwipsRect(120, 360, 1695, 255);
constexpr QRect WonRect = TwipsRect(1080, 360, 615, 255);
constexpr QRect TotalLostRect = TwipsRect(120, 720, 1695, 255);
constexpr QRect LostRect = TwipsRect(1080, 720, 615, 255);
constexpr QRect WinHandFrameRect = TwipsRect(2160, 240, 7455, 4215);
constexpr QRect HandHeaderRect = TwipsRect(240, 480, 1335, 255);
constexpr QRect DescriptionHeaderRect = TwipsRect(1680, 480, 3735, 255);
constexpr QRect ValueHeaderRect = TwipsRect(5400, 480, 1935, 255);
constexpr QRect CloseButtonRect = TwipsRect(4080, 4800, 1215, 375);

// Every hand row reads: name ":-" description "=" value, one row every 360 twips.
constexpr int FirstRowTop = 840;
constexpr int RowPitch = 360;
constexpr int RowHeight = 255;
constexpr int NameLeft = 240, NameWidth = 1095;
constexpr int LeftBreakLeft = 1440, BreakWidth = 135;
constexpr int DescriptionLeft = 1680, DescriptionWidth = 3615;
constexpr int RightBreakLeft = 5400;
constexpr int ValueLeft = 5880, ValueWidth = 1095;

constexpr int RowTop(int row) {
    return FirstRowTop + RowPitch * row;
}

// One hand row, top to bottom in falling order of the multiplier, so the value labels are
// indexed by hand code and not by row. The names are the pay table's own.
struct HandRow {
    HandCode code;
    const char* nameLabel;
    const char* nameDesignCaption;
    int leftBreak;
    const char* descriptionLabel;
    const char* description;
    int rightBreak;
};

constexpr std::array<HandRow, 9> Rows{{
    {HandCode::Royal, "Royal", "Royal", 0, "RoyalDesc", "A,K,Q,J,10 of the same suit.", 17},
    {HandCode::RunFlush, "RunFlush", "RunFlush", 8, "RunFlushDesc",
     "Five consecutive cards of the same suit.", 9},
    {HandCode::FourKind, "FourKind", "FourKind", 7, "FourKindDesc", "Four cards of the same value.",
     10},
    {HandCode::FullHouse, "FullHouse", "FullHouse", 6, "FullHDesc",
     "Three cards of the same value and any pair.", 11},
    {HandCode::Flush, "Flush", "Flush", 5, "FlushDesc", "Five cards of the same suit.", 12},
    {HandCode::Run, "Run", "Run", 4, "RunDesc", "Five consecutive cards of any suit.", 13},
    {HandCode::ThreeKind, "ThreeKind", "ThreeKind", 3, "ThreeKindDesc",
     "Three cards of the same value.", 14},
    {HandCode::TwoPair, "TwoPair", "TwoPair", 2, "TwoPairDesc", "Two pairs.", 15},
    {HandCode::JackBetter, "JackBetter", "JacksBetter", 1, "JacksDesc", "One pair J,Q,K,A.", 16},
}};

constexpr int Index(HandCode code) {
    return static_cast<int>(code);
}

QString NameOf(HandCode code) {
    const std::string_view name = PayTable[Index(code)].name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// The pay-table value is the payout's own multiplier, so the window cannot disagree with it.
QString MultiplierText(HandCode code) {
    return QString::number(Multiplier(code));
}

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QString HandsPlayedCaption(long long hands) {
    return HandsPlayedBefore + FromStd(NumberText(hands)) + HandsPlayedAfter;
}

// The widest that a control must be to show any of `texts` whole, measured on the control itself
// with its own font and alignment; its caption is put back afterwards.
int WidthFor(QLabel& label, const QStringList& texts) {
    const QString caption = label.text();
    int widest = 0;
    for (const QString& text : texts) {
        label.setText(text);
        widest = std::max(widest, label.sizeHint().width());
    }
    label.setText(caption);
    return widest;
}

int WidthFor(QGroupBox& frame, const QStringList& texts) {
    const QString caption = frame.title();
    int widest = 0;
    for (const QString& text : texts) {
        frame.setTitle(text);
        widest = std::max(widest, frame.minimumSizeHint().width());
    }
    frame.setTitle(caption);
    return widest;
}

// The design's boxes were drawn for a narrower font than the desktop's default, so a few texts
// would be cut off. Controls stand in columns side by side; a column that its widest text does
// not fit is widened by no more than it needs and every column to its right moves along, so the
// design's gaps, rows and alignments stay as they are. With a font that fits, nothing moves.
struct Column {
    int left = 0;
    int width = 0;
    int Right() const { return left + width; }
};

// A control that reaches over several columns: a column header, or a label under a count.
struct Span {
    QRect design;
    int first = 0;
    int last = 0;
    int need = 0;
};

class ColumnFit {
  public:
    ColumnFit(std::vector<Column> design, std::vector<int> need,
              const std::vector<Span>& spans = {})
        : design_(std::move(design)) {
        fitted_ = Fit(need);
        // A spanning control that is still too narrow widens the last column it covers; that
        // moves nothing to its left, so one more pass settles every span.
        for (const Span& span : spans) {
            const int deficit = span.need - Stretch(span.design, span.first, span.last).width();
            if (deficit > 0) {
                need[span.last] = std::max(need[span.last], fitted_[span.last].width + deficit);
            }
        }
        fitted_ = Fit(need);
    }

    // The control keeps its design distances to the outer edges of the columns it covers.
    QRect Stretch(const QRect& rect, int first, int last) const {
        const int left = rect.x() + fitted_[first].left - design_[first].left;
        const int right = rect.x() + rect.width() + fitted_[last].Right() - design_[last].Right();
        return {left, rect.y(), right - left, rect.height()};
    }
    QRect Place(const QRect& rect, int column) const { return Stretch(rect, column, column); }

    int Growth() const { return fitted_.back().Right() - design_.back().Right(); }
    int Growth(int column) const { return fitted_[column].width - design_[column].width; }

  private:
    std::vector<Column> Fit(const std::vector<int>& need) const {
        std::vector<Column> fitted;
        int shift = 0;
        for (std::size_t i = 0; i < design_.size(); ++i) {
            const Column column{design_[i].left + shift, std::max(design_[i].width, need[i])};
            shift += column.width - design_[i].width;
            fitted.push_back(column);
        }
        return fitted;
    }

    std::vector<Column> design_;
    std::vector<Column> fitted_;
};

// The columns of the hand rows, inside the hands frame.
enum RowColumn : int {
    NameColumn,
    LeftBreakColumn,
    DescriptionColumn,
    RightBreakColumn,
    ValueColumn
};
// The columns of the totals frame: the "Total Won" text and the count that lies over its end.
enum TotalsColumn : int { TotalTextColumn, CountColumn };
// The columns of the window: the logo over the totals frame, and the hands frame.
enum WindowColumn : int { TotalsFrameColumn, HandsFrameColumn };

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption,
                  Qt::Alignment horizontal = Qt::AlignLeft) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    // Labels draw their text from the top of their box, as the design's rows assume.
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

void SetWeight(QWidget& widget, QFont::Weight weight) {
    QFont font = widget.font();
    font.setWeight(weight);
    widget.setFont(font);
}

}  // namespace

WinningHands::WinningHands(GameData& game, QWidget* parent) : QDialog(parent), data_(game) {
    setObjectName("Winning_Hands");
    setWindowTitle(DesignCaption);
    setWindowIcon(art::IconBankIcon(art::QuestionBalloon));
    // A plain sizable window with minimise and maximise boxes; nothing inside follows a resize.
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    BuildControls();
    PlaceControls();
    // The window is built afresh at every opening, so loading it is part of building it.
    Form_Load();
}

void WinningHands::BuildControls() {
    InfoLogo = new QLabel(this);
    InfoLogo->setObjectName("InfoLogo");
    InfoLogo->setPixmap(art::ProductLogo(devicePixelRatioF()));
    InfoLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    HandsPlayed = new QGroupBox("HandsPlayed", this);
    HandsPlayed->setObjectName("HandsPlayed");
    // The counts come after the texts so that they lie on top of the texts' right-hand ends.
    Total_Won = MakeLabel(HandsPlayed, "Total_Won", "Total_Won");
    Total_Lost = MakeLabel(HandsPlayed, "Total_Lost", "Total_Lost");
    Won = MakeLabel(HandsPlayed, "Won", "Won", Qt::AlignHCenter);
    Lost = MakeLabel(HandsPlayed, "Lost", "Lost", Qt::AlignHCenter);

    WinHandFrame = new QGroupBox("WinHandFrame", this);
    WinHandFrame->setObjectName("WinHandFrame");
    Hand_Clmn = MakeLabel(WinHandFrame, "Hand_Clmn", HandHeader, Qt::AlignHCenter);
    Desc_Clmn = MakeLabel(WinHandFrame, "Desc_Clmn", DescriptionHeader, Qt::AlignHCenter);
    Value_Clmn = MakeLabel(WinHandFrame, "Value_Clmn", "Value_Clmn", Qt::AlignHCenter);
    for (QLabel* header : {Hand_Clmn, Desc_Clmn, Value_Clmn}) SetWeight(*header, QFont::Bold);

    for (int i = 0; i < BreakCount; ++i) {
        Break[i] = MakeLabel(WinHandFrame, QStringLiteral("Break_%1").arg(i), LeftSeparator);
        // The separators are drawn in a heavy black face: the heaviest weight the font has.
        SetWeight(*Break[i], QFont::Black);
    }
    for (int row = 0; row < HandRows; ++row) {
        const HandRow& hand = Rows[row];
        NameLabel[row] = MakeLabel(WinHandFrame, hand.nameLabel, hand.nameDesignCaption);
        DescriptionLabel[row] =
            MakeLabel(WinHandFrame, hand.descriptionLabel, hand.descriptionLabel, Qt::AlignHCenter);
    }
    for (int code = 1; code <= HandCodeCount; ++code) {
        WinVal[code] = MakeLabel(WinHandFrame, QStringLiteral("WinVal_%1").arg(code), "WinVal",
                                 Qt::AlignHCenter);
    }

    Close_Winning_Hands = new QPushButton(CloseButtonText, this);
    Close_Winning_Hands->setObjectName("Close_Winning_Hands");
    Close_Winning_Hands->setDefault(false);
    connect(Close_Winning_Hands, &QPushButton::clicked, this,
            &WinningHands::Close_Winning_Hands_Click);
    // The button is the only control that takes the focus, and it has it when the window opens.
    Close_Winning_Hands->setFocus();
}

void WinningHands::PlaceControls() {
    // Each column is measured with every text it can show in either mode, so both modes share
    // one geometry and no count of the 16-bit range is ever cut off.
    QStringList names;
    QStringList descriptions;
    for (const HandRow& hand : Rows) {
        names << NameOf(hand.code);
        descriptions << hand.description;
    }
    QStringList values{QString::number(IntegerMin), QString::number(IntegerMax)};
    for (const HandRow& hand : Rows) values << MultiplierText(hand.code);

    const ColumnFit rows(
        {{Px(NameLeft), Px(NameWidth)},
         {Px(LeftBreakLeft), Px(BreakWidth)},
         {Px(DescriptionLeft), Px(DescriptionWidth)},
         {Px(RightBreakLeft), Px(BreakWidth)},
         {Px(ValueLeft), Px(ValueWidth)}},
        {WidthFor(*NameLabel[0], names), WidthFor(*Break[0], {LeftSeparator}),
         WidthFor(*DescriptionLabel[0], descriptions),
         WidthFor(*Break[Rows[0].rightBreak], {RightSeparator}), WidthFor(*WinVal[1], values)},
        {{HandHeaderRect, NameColumn, LeftBreakColumn, WidthFor(*Hand_Clmn, {HandHeader})},
         {DescriptionHeaderRect, DescriptionColumn, DescriptionColumn,
          WidthFor(*Desc_Clmn, {DescriptionHeader})},
         {ValueHeaderRect, RightBreakColumn, ValueColumn,
          WidthFor(*Value_Clmn, {PayTableValueHeader, StatisticsValueHeader})}});

    Hand_Clmn->setGeometry(rows.Stretch(HandHeaderRect, NameColumn, LeftBreakColumn));
    Desc_Clmn->setGeometry(rows.Place(DescriptionHeaderRect, DescriptionColumn));
    Value_Clmn->setGeometry(rows.Stretch(ValueHeaderRect, RightBreakColumn, ValueColumn));
    for (int row = 0; row < HandRows; ++row) {
        const HandRow& hand = Rows[row];
        const int top = RowTop(row);
        NameLabel[row]->setGeometry(
            rows.Place(TwipsRect(NameLeft, top, NameWidth, RowHeight), NameColumn));
        Break[hand.leftBreak]->setGeometry(
            rows.Place(TwipsRect(LeftBreakLeft, top, BreakWidth, RowHeight), LeftBreakColumn));
        DescriptionLabel[row]->setGeometry(rows.Place(
            TwipsRect(DescriptionLeft, top, DescriptionWidth, RowHeight), DescriptionColumn));
        Break[hand.rightBreak]->setGeometry(
            rows.Place(TwipsRect(RightBreakLeft, top, BreakWidth, RowHeight), RightBreakColumn));
        WinVal[Index(hand.code)]->setGeometry(
            rows.Place(TwipsRect(ValueLeft, top, ValueWidth, RowHeight), ValueColumn));
    }
    const int handsFrameWidth =
        std::max(WinHandFrameRect.width() + rows.Growth(),
                 WidthFor(*WinHandFrame, {PayTableFrameCaption, StatisticsFrameCaption}));

    const QStringList counts{FromStd(NumberText(IntegerMin)), FromStd(NumberText(IntegerMax))};
    const Column totalText{TotalWonRect.x(), WonRect.x() - TotalWonRect.x()};
    const ColumnFit totals(
        {totalText, {WonRect.x(), WonRect.width()}},
        {WidthFor(*Total_Won, {TotalWonText, TotalLostText}), WidthFor(*Won, counts)});
    Total_Won->setGeometry(totals.Stretch(TotalWonRect, TotalTextColumn, CountColumn));
    Total_Lost->setGeometry(totals.Stretch(TotalLostRect, TotalTextColumn, CountColumn));
    Won->setGeometry(totals.Place(WonRect, CountColumn));
    Lost->setGeometry(totals.Place(LostRect, CountColumn));
    const int totalsFrameWidth = std::max(
        HandsPlayedRect.width() + totals.Growth(),
        WidthFor(*HandsPlayed, {HandsPlayedCaption(IntegerMin), HandsPlayedCaption(IntegerMax)}));

    const ColumnFit window({{HandsPlayedRect.x(), HandsPlayedRect.width()},
                            {WinHandFrameRect.x(), WinHandFrameRect.width()}},
                           {totalsFrameWidth, handsFrameWidth});
    HandsPlayed->setGeometry(window.Place(HandsPlayedRect, TotalsFrameColumn));
    WinHandFrame->setGeometry(window.Place(WinHandFrameRect, HandsFrameColumn));
    // The logo stays centred over the totals frame and the button keeps its place about the
    // window's middle.
    InfoLogo->setGeometry(InfoLogoRect.translated(window.Growth(TotalsFrameColumn) / 2, 0));
    Close_Winning_Hands->setGeometry(CloseButtonRect.translated(window.Growth() / 2, 0));
    resize(TwipsSize(ClientWidth, ClientHeight) + QSize(window.Growth(), 0));
}

void WinningHands::Form_Load() {
    constexpr int lastLeftBreak = 8;
    for (int i = 0; i <= lastLeftBreak; ++i) Break[i]->setText(LeftSeparator);
    for (int i = lastLeftBreak + 1; i < BreakCount; ++i) Break[i]->setText(RightSeparator);
    for (int row = 0; row < HandRows; ++row) NameLabel[row]->setText(NameOf(Rows[row].code));
    for (int row = 0; row < HandRows; ++row) DescriptionLabel[row]->setText(Rows[row].description);

    // Only True itself shows the pay table; any other value, 1 included, shows the statistics.
    if (data_.ShowPayTable == FlagTrue) {
        ShowPayTableMode();
    } else {
        ShowStatisticsMode();
    }
}

void WinningHands::ShowPayTableMode() {
    setWindowTitle(PayTableCaption);
    setWindowIcon(art::IconBankIcon(art::QuestionBalloon));
    Value_Clmn->setText(PayTableValueHeader);
    WinHandFrame->setTitle(PayTableFrameCaption);
    for (const HandRow& hand : Rows) WinVal[Index(hand.code)]->setText(MultiplierText(hand.code));
    // The totals frame keeps its design captions, unseen.
    HandsPlayed->hide();
}

void WinningHands::ShowStatisticsMode() {
    const auto& stats = data_.HandStats;
    HandsPlayed->show();
    HandsPlayed->setTitle(HandsPlayedCaption(stats[GameData::HandsPlayed]));
    Total_Won->setText(TotalWonText);
    Total_Lost->setText(TotalLostText);
    setWindowTitle(StatisticsCaption);
    setWindowIcon(art::IconBankIcon(art::InformationBalloon));
    WinHandFrame->setTitle(StatisticsFrameCaption);
    Value_Clmn->setText(StatisticsValueHeader);

    // The sum of nine 16-bit counters can pass 32767; it is kept wide and only the shown
    // totals are clamped, so a full set of counters reads as the most won and the most lost.
    long long won = 0;
    for (int code = 1; code <= HandCodeCount; ++code) {
        WinVal[code]->setText(QString::number(stats[code]));
        won += stats[code];
    }
    const Integer lost = SatSub(stats[GameData::HandsPlayed], won);
    Lost->setText(FromStd(NumberText(lost)));
    Won->setText(FromStd(NumberText(Saturate(won))));
}

void WinningHands::keyPressEvent(QKeyEvent* event) {
    // O.K is no cancel button: Escape leaves the window open. It closes by O.K or its close box.
    if (event->matches(QKeySequence::Cancel)) return;
    QDialog::keyPressEvent(event);
}

void WinningHands::Close_Winning_Hands_Click() {
    data_.ShowPayTable = FlagFalse;
    accept();
}

}  // namespace vantorel
