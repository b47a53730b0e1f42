#pragma once
// The options dialog: dice and pip colours, the players, and whether sounds play. Colours
// act at once; players and sounds on Apply, on OK, or on leaving their page.
#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QColorDialog;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

namespace quoxa {

class UpDown;

// The window the dialog acts on while it is open: it recolours the dice, starts a new game
// with changed players, and shows the Sounds button pressed or released.
class OptionsOwner {
public:
    virtual ~OptionsOwner() = default;
    virtual QWidget *OwnerWindow() = 0;
    virtual void SetColor(const QString &strObject) = 0;
    virtual void StartNewGame() = 0;
    virtual void SetSoundsButton(bool pressed) = 0;
    // A computer's level changed, and the game goes on.
    virtual void ComputerLevelsChanged() = 0;
};

class frmOptions : public QDialog {
    Q_OBJECT

public:
    enum Page { Colors = 0, Players = 1, Sounds = 2, Computer = 3 };

    // Loads the dialog from the current settings, on the given page, with Apply disabled.
    frmOptions(OptionsOwner &owner, int page);

    void cmdOk_Click();
    void cmdApply_Click();
    void cmdCancel_Click();
    void cmdDefault_Click();
    void cmdColor_Click();
    void mskPlayerCnt_Change();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BuildColorsPage(QWidget *page);
    void BuildPlayersPage(QWidget *page);
    void BuildSoundsPage(QWidget *page);
    void BuildComputerPage(QWidget *page);
    void Form_Load();
    void LoadColorsTab();
    void LoadPlayersTab();
    void LoadSoundsTab();
    void LoadComputerTab();
    void ApplyPlayersTab();
    void ApplySoundsTab();
    void ApplyComputerTab();
    void ApplyPage(int page);
    void tabOptions_Click(int pageLeft);
    void EnableNameBoxes(int count);
    int DelaySteps() const;
    // The Color button tells a screen reader the colour it would change.
    void DescribeColor();
    // A level box's hidden label: its player and level, as a screen reader names the box;
    // and the first player's check box named with the page's caption.
    void NameLevelBox(std::size_t at);
    // The count field as a number; an empty field is a type mismatch.
    int PlayerCount() const;

    OptionsOwner &mOwner;
    QTabWidget *tabOptions = nullptr;
    QPushButton *cmdApply = nullptr;
    std::array<QRadioButton *, 2> optColors{};
    std::array<QRadioButton *, 2> optSounds{};
    QLineEdit *mskPlayerCnt = nullptr;
    UpDown *udcPlayerCnt = nullptr;
    std::array<QLineEdit *, 4> txtPlayer{};
    std::array<QCheckBox *, 4> chkComputer{};
    std::array<QComboBox *, 4> cboLevel{}; // enabled with its check box
    std::array<QLabel *, 4> lblLevel{};    // names its level box to a screen reader
    QSlider *sldComputerDelay = nullptr; // in tenths of a second
    static constexpr int kDelaySteps = 20;
    QColorDialog *dlgColors = nullptr;
    int mPage = 0;
    bool mPagesAligned = false;
};

} // namespace quoxa
