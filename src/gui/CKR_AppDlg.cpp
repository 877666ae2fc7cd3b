// The main window's construction, layout and command dispatch. The window
// port's operations are in CKR_AppDlgPort.cpp.

#include "gui/CKR_AppDlg.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "compiler/FlashUsage.h"
#include "dialogs/CAboutDlg.h"
#include "gui/CListCtrl_Backgroundmusic.h"
#include "gui/CListCtrl_Playlist.h"
#include "gui/CListCtrl_Snd_Lib.h"
#include "gui/EditionTranslation.h"
#include "gui/ToolbarImages.h"
#include "support/UserMessage.h"

namespace {

// Pixels a label needs for `text` in either edition.
int TextWidth(const QLabel& label, const char* text)
{
    const QString plain = QString::fromLatin1(text);
    const QFontMetrics metrics = label.fontMetrics();
    return std::max(metrics.horizontalAdvance(plain), metrics.horizontalAdvance(DisplayText(plain))) +
           2 * label.margin() + metrics.averageCharWidth();
}

constexpr int kTimerPeriodMs = 30;
constexpr QSize kMinimumSize(800, 500);
// Room left on the screen for the window's title bar and borders.
constexpr QSize kWindowFrame(16, 40);
constexpr int kToolbarImageSize = 36;
// The status bar's flash pane is at least this wide.
constexpr int kFlashPaneWidth = 200;

}  // namespace

CKR_AppDlg::CKR_AppDlg(std::string programFolder, Edition edition, QWidget* parent)
    : QMainWindow(parent),
      edition_(edition),
      session_(std::make_unique<Session>(static_cast<WindowPort&>(*this), std::move(programFolder))),
      layout_(DialogBaseUnits(QApplication::font()))
{
    setWindowTitle(QString::fromLatin1(kProductCaption));
    setWindowIcon(ApplicationIcon());
    setMinimumSize(kMinimumSize);

    createControls();
    createMenusAndToolbar();
    createCharacterKeys();

    client_->resize(layout_.initialClientSize());
    resize(layout_.initialClientSize() + QSize(0, menuBar()->sizeHint().height()));
    // A small screen gets a window that fits it, down to the smallest size.
    if (const QScreen* shown = screen())
        resize(size().boundedTo(shown->availableGeometry().size() - kWindowFrame).expandedTo(minimumSize()));
    placeControls();

    ShowEditingEnabled(false);

    // Last, as the timer step may act on everything above.
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] {
        session_->Tick();
        action(ID_OPERATION_STOP)->setEnabled(session_->previewStoppable());
    });
    timer->start(kTimerPeriodMs);
}

CKR_AppDlg::~CKR_AppDlg() = default;

void CKR_AppDlg::createControls()
{
    client_ = new QWidget(this);
    setCentralWidget(client_);
    client_->installEventFilter(this);

    equationLabel_ = new QLabel(QStringLiteral("Equation No. :"), client_);
    equationList_ = new QComboBox(client_);
    for (int i = 0; i < kEquationCount; ++i)
        equationList_->addItem(QString::number(i));
    nextButton_ = new QPushButton(QStringLiteral("+"), client_);
    previousButton_ = new QPushButton(QStringLiteral("-"), client_);
    // The two buttons are half a line high each: no margins, and a sign
    // as high as the button.
    QFont signFont = font();
    signFont.setPixelSize(layout_.place(layout_.initialClientSize()).nextButton.height());
    signFont.setBold(true);
    for (QPushButton* button : {nextButton_, previousButton_}) {
        button->setStyleSheet(QStringLiteral("padding: 0px; margin: 0px;"));
        button->setFont(signFont);
        button->setFocusPolicy(Qt::NoFocus);
    }
    flashLabel_ = new QLabel(QStringLiteral("Flash :"), client_);
    flashList_ = new QComboBox(client_);
    for (const char* name : kFlashSizeNames)
        flashList_->addItem(QString::fromLatin1(name));
    flashList_->setCurrentIndex(kDefaultFlashSizeIndex);

    connect(equationList_, &QComboBox::currentIndexChanged, this, [this](int i) { session_->SelectEquation(i); });
    connect(flashList_, &QComboBox::currentIndexChanged, this, [this](int i) { session_->SelectFlashSize(i); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { session_->NextEquation(); });
    connect(previousButton_, &QPushButton::clicked, this, [this] { session_->PreviousEquation(); });

    library_ = new CListCtrl_Snd_Lib(*session_, client_);
    playlist_ = new CListCtrl_Playlist(*session_, client_);
    backgroundMusic_ = new CListCtrl_Backgroundmusic(*session_, client_);
    backgroundMusic_->hide();
    backgroundMusic_->setEnabled(false);

    progress_ = new QProgressBar(client_);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);

    toolBar_ = new QToolBar(client_);
    toolBar_->setIconSize(QSize(kToolbarImageSize, kToolbarImageSize));
    toolBar_->setMovable(false);

    statusBar_ = new QStatusBar(client_);
    soundLengthPane_ = new QLabel;
    flashUsedPane_ = new QLabel;
    equationSizePane_ = new QLabel;
    ShowFlashUsage({}, {});
    // The left pane takes what the two on the right, wide enough for their
    // longest texts, leave.
    flashUsedPane_->setMinimumWidth(std::max(kFlashPaneWidth, TextWidth(*flashUsedPane_, "1000.00 % flash used")));
    equationSizePane_->setMinimumWidth(TextWidth(*equationSizePane_, "Size 256/256"));
    statusBar_->addWidget(soundLengthPane_, 1);
    statusBar_->addWidget(flashUsedPane_);
    statusBar_->addWidget(equationSizePane_);
}

void CKR_AppDlg::createMenusAndToolbar()
{
    std::map<Menu, QMenu*> menus;
    for (size_t i = 0; i < kMenuTitles.size(); ++i)
        menus[Menu(i)] = menuBar()->addMenu(QString::fromLatin1(kMenuTitles[i]));

    for (const Command& command : kCommands) {
        QMenu* menu = menus.at(command.menu);
        if (command.separatorBefore)
            menu->addSeparator();
        // The part after the tab is the key, which the action shows itself.
        const QStringList parts = QString::fromLatin1(command.text).split(u'\t');
        QAction* action = menu->addAction(parts.first());
        if (parts.size() > 1)
            action->setShortcut(QKeySequence(parts[1]));
        action->setData(int(command.id));
        // Check marks, not radio marks, also on the Mode items: the session
        // moves them with SetModeCheck.
        action->setCheckable(command.checkable);
        const CommandId id = command.id;
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        actions_[id] = action;
    }
    action(ID_VIEW_TOOLBAR)->setChecked(true);
    action(ID_VIEW_STATUSBAR)->setChecked(true);
    action(ID_VIEW_BACKGROUND_MUSIC)->setEnabled(false);
    action(ID_OPERATION_STOP)->setEnabled(false);

    for (int id : kToolbarCommands) {
        if (id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* button = action(CommandId(id));
        button->setIcon(ToolbarIcon(id));
        toolBar_->addAction(button);
    }
    // The pictures are for the toolbar; the menus stay text only.
    for (auto& [id, action] : actions_)
        action->setIconVisibleInMenu(false);
}

void CKR_AppDlg::createCharacterKeys()
{
    // Typed characters, no modifier. As window shortcuts they act only while
    // the main window is the active window, never in a dialog; a text field
    // with the focus takes its characters before any shortcut sees them.
    const auto addKey = [this](Qt::Key key, const std::function<void()>& act) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, act);
    };
    addKey(Qt::Key_C, [this] { runCommand(ID_LANGUAGE_CHINESE); });
    addKey(Qt::Key_E, [this] { runCommand(ID_LANGUAGE_ENGLISH); });
    // "+" and "-" as their buttons, so they rest while the buttons are greyed.
    addKey(Qt::Key_W, [this] {
        if (nextButton_->isEnabled())
            nextButton_->click();
    });
    addKey(Qt::Key_S, [this] {
        if (previousButton_->isEnabled())
            previousButton_->click();
    });
}

bool CKR_AppDlg::eventFilter(QObject* watched, QEvent* event)
{
    // Shown, the texts are those of the running edition: the top row is
    // measured again.
    if (watched == client_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        placeControls();
    return QMainWindow::eventFilter(watched, event);
}

void CKR_AppDlg::placeControls()
{
    const auto width = [](QWidget* widget) { return widget->sizeHint().width(); };
    const TopRowWidths needed{width(equationLabel_), width(equationList_), width(flashLabel_), width(flashList_)};
    // A font too large for the top row at the smallest width raises it.
    setMinimumWidth(std::max(kMinimumSize.width(), layout_.minimumClientWidth(needed)));
    const ShellGeometry g = layout_.place(client_->size(), needed);
    const auto withOwnHeight = [](QRect rect, QWidget* widget) {
        rect.setHeight(widget->sizeHint().height());
        return rect;
    };
    toolBar_->setGeometry(0, 0, client_->width(), toolBar_->sizeHint().height());
    equationLabel_->setGeometry(g.equationLabel);
    // A drop-down list's height in the table is that of its open list.
    equationList_->setGeometry(withOwnHeight(g.equationList, equationList_));
    nextButton_->setGeometry(g.nextButton);
    previousButton_->setGeometry(g.previousButton);
    flashLabel_->setGeometry(g.flashLabel);
    flashList_->setGeometry(withOwnHeight(g.flashList, flashList_));
    library_->setGeometry(g.library);
    playlist_->setGeometry(g.playlist);
    backgroundMusic_->setGeometry(g.backgroundMusic);
    progress_->setGeometry(g.progress);
    statusBar_->setGeometry(g.statusBar);
}

void CKR_AppDlg::runCommand(CommandId id)
{
    dispatch(id);
    session_->SaveIfChanged();
}

void CKR_AppDlg::dispatch(CommandId id)
{
    Session& s = *session_;
    if (const std::optional<int> mode = ModeOfCommand(id)) {
        s.SetControlMode(*mode);
        return;
    }
    switch (id) {
    case ID_FILE_NEW:
        return s.New();
    case ID_FILE_OPEN:
        return s.Open();
    case ID_FILE_SAVE:
        return s.Save();
    case ID_FILE_SAVE_AS:
        return s.SaveAs();
    case ID_FILE_CLOSE:
        return s.Close();
    case ID_FILE_LOAD_EXTERNAL_BIN:
        return s.LoadExternalBin();
    case ID_FILE_CONVERT:
        return s.ConvertToWav();
    case ID_FILE_EXIT:
        close();
        return;
    case ID_VIEW_TOOLBAR:
        toolBar_->setVisible(action(id)->isChecked());
        return;
    case ID_VIEW_STATUSBAR:
        statusBar_->setVisible(action(id)->isChecked());
        progress_->setVisible(action(id)->isChecked());
        return;
    case ID_VIEW_BACKGROUND_MUSIC:
        backgroundMusic_->setVisible(action(id)->isChecked());
        return;
    case ID_OPERATION_COMPILE:
        return s.Compile();
    case ID_OPERATION_OPTIONS:
        return s.Options();
    case ID_OPERATION_KEY_SETUP:
        return s.KeySetup();
    case ID_OPERATION_EQUATION_SETUP:
        return s.EquationSetup();
    case ID_OPERATION_STOP:
        return s.StopPreview();
    case ID_TOOL_DOWNLOAD:
        return s.DownloadData();
    case ID_TOOL_PREPARE_SOUNDS:
        return s.PrepareSounds();
    case ID_TOOL_SPOKEN_PROMPTS:
        return s.SpokenPrompts();
    case ID_TOOL_FIRMWARE_HEADER:
        return s.ExportFirmwareHeader();
    case ID_TOOL_RECOVER_PROJECT:
        return s.RecoverProjectFromBin();
    case ID_LANGUAGE_CHINESE:
        return switchToEdition(Edition::SimplifiedChinese);
    case ID_HELP_ABOUT: {
        CAboutDlg about(this);
        about.exec();
        return;
    }
    case ID_HELP_CONTENT:
        return s.HelpContent();
    case ID_LANGUAGE_ENGLISH:
        return switchToEdition(Edition::English);
    default:
        return;
    }
}

void CKR_AppDlg::switchToEdition(Edition edition)
{
    // Choosing the edition already running does nothing.
    if (edition == edition_ || !session_->SwitchToEdition(edition))
        return;
    leaving_ = true;
    close();
}

void CKR_AppDlg::closeEvent(QCloseEvent* event)
{
    if (leaving_ || session_->Exit())
        event->accept();
    else
        event->ignore();
}
