#pragma once

#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;

namespace kring {

class Announcement;
class Board;
class Desktop;
class DestroyedWindowWatch;
class ImageButton;
class Label;
class ListBox;
class PictureBox;
class RandomSource;
struct Placement;

// The game's one window. Its controls carry the names the handlers use; the
// board cells are numbered in reading order, 0 1 2 / 3 . 4 / 5 6 7, with
// PicMidden in the centre; they lie on Bord, which offers them to the
// keyboard and to screen readers as a 3 x 3 grid. Each control's object name
// is its member's name, the cells and their labels with their index:
// "Pic(0)", "Label3(0)".
class KringForm : public QWidget {
    Q_OBJECT
public:
    KringForm(Desktop& desktop, RandomSource& random, QWidget* parent = nullptr);
    ~KringForm() override;

    ImageButton* LoadKnop;
    ImageButton* MakeKnop;
    ImageButton* CancelKnop;
    QCheckBox* Check1;
    ListBox* List1;
    Label* Label1;
    Label* Label2;
    std::array<Label*, 8> Label3;
    std::array<PictureBox*, 8> Pic;
    PictureBox* PicMidden;
    Board* Bord;
    // What Load, Plaatsen and the reveal did, for screen readers.
    Announcement* Melding;

    void LoadKnop_Click();
    void MakeKnop_Click();
    void CancelKnop_Click();
    void Check1_Click();

    // Replaces the list with the lines of <program's folder>/Data/<name>.txt
    // (WordFilePath in KringForm.cpp). A missing file leaves it empty; a
    // failure part-way keeps what was read.
    void LoadWords(const QString& name);

protected:
    // Closing the window from the desktop ends the program, as CancelKnop does.
    void closeEvent(QCloseEvent* event) override;

private:
    // Presses wait inside one another's wait, each on the stack, up to this
    // many: more than anyone clicks by hand. A press beyond them is dropped.
    static constexpr int MaxWaitingPresses = 32;

    void createControls();
    // The press that begins each button's command; false when the command
    // must not run: the program ended meanwhile, or the press was dropped.
    bool Press(ImageButton& button);
    void Form_Load();
    void DrawPlacement(const Placement& placement);

    Desktop& desktop_;
    RandomSource& random_;
    std::unique_ptr<DestroyedWindowWatch> destroyedWatch_;
    int waitingPresses_ = 0;
    // Label2 holds the word of the puzzle on the board, not the count.
    bool wordInLabel2_ = false;
};

} // namespace kring
