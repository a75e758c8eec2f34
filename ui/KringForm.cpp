#include "ui/KringForm.h"

#include "core/GeneratePuzzle.h"
#include "ui/AppIdentity.h"
#include "ui/ListBoxWordList.h"
#include "ui/PressFeedback.h"
#include "ui/access/AccessibleFactory.h"
#include "ui/access/Announcement.h"
#include "ui/desktop/Desktop.h"
#include "ui/desktop/DestroyedWindowWatch.h"
#include "ui/pictures/Colours.h"
#include "ui/pictures/DrawnPictures.h"
#include "ui/pictures/Picture.h"
#include "ui/pictures/WindowIconEngine.h"
#include "ui/toolkit/Board.h"
#include "ui/toolkit/CheckedArithmetic.h"
#include "ui/toolkit/ImageButton.h"
#include "ui/toolkit/KeyRepeatFilter.h"
#include "ui/toolkit/Label.h"
#include "ui/toolkit/ListBox.h"
#include "ui/toolkit/PictureBox.h"
#include "ui/toolkit/RunHandler.h"
#include "ui/toolkit/Twips.h"
#include "wordlist/WordFile.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <filesystem>

namespace kring {

namespace {

// The window's outer size, 618 x 420 pixels, less a 3-pixel border on each
// side and a 20-pixel title bar: the window manager draws the frame around it.
constexpr int OuterWidth = 9270;
constexpr int OuterHeight = 6300;
constexpr int BorderPixels = 3;
constexpr int TitleBarPixels = 20;
constexpr QSize ClientSize(PixelsFromTwips(OuterWidth) - 2 * BorderPixels,
                           PixelsFromTwips(OuterHeight) - TitleBarPixels - 2 * BorderPixels);

constexpr int CellTwips = 1650;
constexpr int CellPitchTwips = 1740;
constexpr int CellPixels = CellTwips / TwipsPerPixel;

const QString NoWordsMessage = QStringLiteral("Geen woord beschikbaar! Klik op de button 'Load'\r\n"
                                              "om de database met 18.000 woorden in te laden.\r\n"
                                              "Klik vervolgens op de button 'Plaatsen' om een\r\n"
                                              "willekeurig woord te kiezen uit de woordenlijst.");

// The picture buttons' shortcuts, all of them: each key clicks its button, and
// the button's tool tip names the keys after what the button does.
struct ButtonShortcut {
    ImageButton* button;
    QString does;
    QList<QKeySequence> keys;
};

std::array<ButtonShortcut, 3> ButtonShortcuts(const KringForm& form) {
    return {{
        {form.LoadKnop, QStringLiteral("Woorden inladen"), {Qt::CTRL | Qt::Key_L}},
        {form.MakeKnop, QStringLiteral("Maak Kringwoord"), {Qt::CTRL | Qt::Key_N, Qt::Key_F2}},
        {form.CancelKnop, QStringLiteral("Sluiten"), {Qt::CTRL | Qt::Key_Q}},
    }};
}

// " Maak Kringwoord (Ctrl+N, F2) "; screen readers get it as the description.
QString ToolTip(const ButtonShortcut& shortcut) {
    QStringList keys;
    for (const QKeySequence& key : shortcut.keys)
        keys << key.toString(QKeySequence::PortableText);
    return QStringLiteral(" %1 (%2) ").arg(shortcut.does, keys.join(QStringLiteral(", ")));
}

QFont ArialPixels(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetPaletteColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette p = widget.palette();
    p.setColor(role, colour);
    widget.setPalette(p);
}

void PlaceInTwips(QWidget& widget, int left, int top) {
    widget.move(PixelsFromTwips(left), PixelsFromTwips(top));
}

void SizeInTwips(QWidget& widget, int width, int height) {
    widget.resize(PixelsFromTwips(width), PixelsFromTwips(height));
}

// The cells lie on the board but are placed by where they stand in the window.
void PlaceOnBoardInTwips(QWidget& cell, const Board& board, int left, int top) {
    cell.move(QPoint(PixelsFromTwips(left), PixelsFromTwips(top)) - board.pos());
}

void DrawFrame(PictureBox& cell) {
    cell.lineBox(0, 0, CellPixels - 1, CellPixels - 1, FrameBlack);
}

// Where the words lie: in the Data folder beside the program, whatever the
// working folder, as <program's folder>/Data/<name>.txt. Joined as text in the
// platform's own encoding, with its own separator, to the folder as the
// platform reports it.
std::filesystem::path WordFilePath(const std::filesystem::path& programFolder,
                                   const QString& name) {
    constexpr auto separator = std::filesystem::path::preferred_separator;
    std::filesystem::path::string_type path = programFolder.native();
    path += separator;
    path += std::filesystem::path("Data").native();
    path += separator;
    path += std::filesystem::path(name.toStdU16String()).native();
    path += std::filesystem::path(".txt").native();
    return path;
}

} // namespace

KringForm::KringForm(Desktop& desktop, RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      desktop_(desktop), random_(random) {
    InstallAccessibleFactory();
    createControls();
    Form_Load();
}

KringForm::~KringForm() = default;

// The window's design: the controls with the settings they have before
// Form_Load places them.
void KringForm::createControls() {
    setFont(ArialPixels(PixelsFromPoints(8.25), false));
    setWindowIcon(QIcon(new WindowIconEngine));
    setAutoFillBackground(true);
    // Another X client may destroy the window; that ends the program as a close does.
    destroyedWatch_ = std::make_unique<DestroyedWindowWatch>(*this, [this] {
        if (!desktop_.hasEnded())
            desktop_.endProgram();
    });

    Label1 = new Label(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setOpaque(true);

    Check1 = new QCheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setAutoFillBackground(true);
    SetPaletteColour(*Check1, QPalette::WindowText, CheckText);
    Check1->resize(Check1->width(), PixelsFromTwips(210));
    connect(Check1, &QCheckBox::stateChanged, this, &KringForm::Check1_Click);

    List1 = new ListBox(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Woorden"));

    Bord = new Board(this);
    Bord->setObjectName(QStringLiteral("Bord"));
    for (int i = 0; i < 8; ++i) {
        Pic[i] = new PictureBox(Bord);
        Pic[i]->setObjectName(QStringLiteral("Pic(%1)").arg(i));
        Label3[i] = new Label(Pic[i]);
        Label3[i]->setObjectName(QStringLiteral("Label3(%1)").arg(i));
        Label3[i]->setFont(ArialPixels(PixelsFromPoints(9.75), true));
        Label3[i]->setAutoSize(true);
        Label3[i]->setCaption(QStringLiteral("0"));
    }

    PicMidden = new PictureBox(Bord);
    PicMidden->setObjectName(QStringLiteral("PicMidden"));
    PicMidden->resize(CellPixels, CellPixels);
    PicMidden->setPicture([](qreal ratio) {
        return PictureForRatio(QStringLiteral(":/images/knight.png"), ratio, DrawCentreKnight);
    });
    Bord->setCells({Pic[0], Pic[1], Pic[2], Pic[3], PicMidden, Pic[4], Pic[5], Pic[6], Pic[7]},
                   Label3);

    MakeKnop =
        new ImageButton(QStringLiteral(":/images/plaatsen.png"), QStringLiteral("Plaatsen"), this);
    MakeKnop->setObjectName(QStringLiteral("MakeKnop"));
    CancelKnop = new ImageButton(QStringLiteral(":/images/annuleren.png"),
                                 QStringLiteral("Annuleren"), this);
    CancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    LoadKnop = new ImageButton(QStringLiteral(":/images/load.png"), QStringLiteral("Load"), this);
    LoadKnop->setObjectName(QStringLiteral("LoadKnop"));
    connect(LoadKnop, &ImageButton::clicked, this, &KringForm::LoadKnop_Click);
    connect(MakeKnop, &ImageButton::clicked, this, &KringForm::MakeKnop_Click);
    connect(CancelKnop, &ImageButton::clicked, this, &KringForm::CancelKnop_Click);
    // A shortcut is a click on its button, press and all; a held key clicks once.
    QCoreApplication::instance()->installEventFilter(new KeyRepeatFilter(this));
    for (const ButtonShortcut& keys : ButtonShortcuts(*this)) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys.keys);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, keys.button, &ImageButton::click);
    }

    Label2 = new Label(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAutoSize(true);

    Melding = new Announcement(this);
    Melding->setObjectName(QStringLiteral("Melding"));

    // The list, the board and the box, then the picture buttons.
    QWidget* tabOrder[] = {List1, Bord, Check1, LoadKnop, MakeKnop, CancelKnop};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void KringForm::Form_Load() {
    setFixedSize(ClientSize);
    setWindowTitle(QStringLiteral("Kringwoord (www.%1)").arg(QLatin1String(identity::domain)));
    SetPaletteColour(*this, QPalette::Window, WindowColour);
    {
        // Centred: the outer window, frame included, in the middle of the
        // screen; on a screen too small for it, its top-left corner stays on it.
        const QRect area = screen()->availableGeometry();
        const QSize outer(PixelsFromTwips(OuterWidth), PixelsFromTwips(OuterHeight));
        move(std::max(area.left(), area.left() + (area.width() - outer.width()) / 2),
             std::max(area.top(), area.top() + (area.height() - outer.height()) / 2));
    }

    PlaceInTwips(*Label1, 210, 240);
    SizeInTwips(*Label1, 5400, 5400);
    Label1->setBackColor(BoardGrey);
    Bord->setGeometry(Label1->geometry());

    std::int32_t x = 330;
    std::int32_t y = 360;
    for (std::int32_t i = 0; i <= 7; i = CheckedAdd(i, 1)) {
        PictureBox& cell = *Pic.at(i);
        PlaceOnBoardInTwips(cell, *Bord, x, y);
        SizeInTwips(cell, CellTwips, CellTwips);
        // White on any desktop: the hidden numbers are white, and a dark cell
        // would show them and hide the letters.
        cell.setBackColor(CellWhite);
        DrawFrame(cell);
        Label3.at(i)->move(7, 5);
        Label3.at(i)->setForeColor(NumberHidden);
        Label3.at(i)->setHiddenColor(NumberHidden);
        if (i == 3)
            x = CheckedAdd(x, CellPitchTwips); // steps over the centre cell
        x = CheckedAdd(x, CellPitchTwips);
        if (i == 2 || i == 4) {
            x = 330;
            y = CheckedAdd(y, CellPitchTwips);
        }
    }

    PlaceOnBoardInTwips(*PicMidden, *Bord, 2070, 2100);
    SizeInTwips(*PicMidden, CellTwips, CellTwips);
    PicMidden->setBackColor(CentreOlive);
    DrawFrame(*PicMidden);

    PlaceInTwips(*List1, 6000, 240);
    SizeInTwips(*List1, 1800, 3420);
    List1->setBackColor(ListDark);
    List1->setForeColor(ListText);

    PlaceInTwips(*Label2, 6030, 3720);
    Label2->setCaption(QStringLiteral("0 Woorden"));
    Label2->setForeColor(WordShown);
    Label2->setHiddenColor(WordHidden);

    PlaceInTwips(*Check1, 6030, 4380);
    Check1->resize(PixelsFromTwips(1800), Check1->height());
    SetPaletteColour(*Check1, Check1->backgroundRole(), WindowColour);
    Check1->setText(QStringLiteral("Oplossing laten zien"));

    LoadKnop->setTop(240);
    LoadKnop->setLeft(8100);
    MakeKnop->setTop(5280);
    MakeKnop->setLeft(6000);
    CancelKnop->setTop(5280);
    CancelKnop->setLeft(7950);
    for (const ButtonShortcut& shortcut : ButtonShortcuts(*this))
        shortcut.button->setToolTipText(ToolTip(shortcut));
}

bool KringForm::Press(ImageButton& button) {
    if (waitingPresses_ == MaxWaitingPresses)
        return false;
    ++waitingPresses_;
    const auto done = qScopeGuard([this] { --waitingPresses_; });
    return PressFeedback(button, desktop_);
}

void KringForm::LoadKnop_Click() {
    RunHandler([this] {
        if (!Press(*LoadKnop))
            return;
        desktop_.setBusyPointer(true);
        LoadWords(QStringLiteral("Woorden"));
        Label2->setCaption(QString::number(List1->listCount()) + QStringLiteral(" Woorden"));
        wordInLabel2_ = false;
        Melding->say(Label2->caption());
        desktop_.setBusyPointer(false);
    });
}

void KringForm::LoadWords(const QString& name) {
    List1->clear();
    const std::filesystem::path programFolder = desktop_.applicationFolder();
    if (programFolder.empty())
        return; // the platform could not tell it, so nothing is read
    // The lines join the list together when the reading ends, also when it
    // stops part-way: no event is processed in between, so no one can tell,
    // and the list is told of one insertion instead of one per word.
    QStringList lines;
    try {
        ReadWordFileAt(WordFilePath(programFolder, name), [&lines](std::u16string_view line) {
            lines.append(QStringView(line).toString());
            return true;
        });
    } catch (const std::exception&) {
        // The reading stops silently; the list keeps the lines read so far.
    }
    try {
        List1->addItems(lines);
    } catch (const std::exception&) {
        // Out of memory: the list stays empty, and the load still ends.
    }
}

void KringForm::MakeKnop_Click() {
    RunHandler([this] {
        if (!Press(*MakeKnop))
            return;
        if (List1->listCount() == 0) {
            desktop_.showCriticalMessage(this, QStringLiteral("Error"), NoWordsMessage);
            return;
        }
        Label2->setForeColor(WordHidden);
        const bool wasRevealed = Check1->checkState() != Qt::Unchecked;
        Check1->setCheckState(Qt::Unchecked); // runs Check1_Click if it was ticked
        const ListBoxWordList words(*List1);
        const Puzzle puzzle = GeneratePuzzle(words, random_);
        Label2->setCaption(words.asListed(puzzle.Word));
        wordInLabel2_ = true;
        for (const Placement& placement : puzzle.Placements)
            DrawPlacement(placement);
        Melding->say(
            wasRevealed
                ? QStringLiteral("Nieuw kringwoord op het bord; de oplossing is weer verborgen.")
                : QStringLiteral("Nieuw kringwoord op het bord."));
    });
}

void KringForm::DrawPlacement(const Placement& placement) {
    PictureBox& cell = *Pic.at(placement.Cell);
    cell.clearPicture();
    DrawFrame(cell);
    Label3.at(placement.Cell)->setCaption(QString::number(placement.OrderNumber));
    cell.setForeColor(LetterGreen);
    cell.setFontBold(true);
    cell.setFontSize(70);
    cell.currentX = placement.OffsetX;
    cell.currentY = placement.OffsetY;
    cell.print(QString::fromStdU16String(placement.Text));
}

void KringForm::Check1_Click() {
    RunHandler([this] {
        const bool revealed = Check1->checkState() != Qt::Unchecked;
        for (Label* number : Label3)
            number->setForeColor(revealed ? NumberShown : NumberHidden);
        Label2->setForeColor(revealed ? WordShown : WordHidden);
        if (revealed && wordInLabel2_)
            Melding->say(QStringLiteral("Oplossing: ") + Label2->accessibleName());
    });
}

void KringForm::CancelKnop_Click() {
    RunHandler([this] {
        if (!Press(*CancelKnop))
            return;
        close(); // closeEvent ends the program
    });
}

void KringForm::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!desktop_.hasEnded())
        desktop_.endProgram();
}

} // namespace kring
