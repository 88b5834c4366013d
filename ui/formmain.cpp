#include "formmain.h"

#include "bell.h"
#include "caption.h"
#include "currentitem.h"
#include "mimesourcefactory.h"
#include "namedcombobox.h"
#include "settingsplace.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QSizePolicy>
#include <QSpacerItem>
#include <QStatusBar>
#include <QVBoxLayout>

const QString FormMain::WINDOWS_REGISTRY = QString::fromLatin1(SettingsSearchPath);
const QString FormMain::APP_KEY = QString::fromLatin1(SettingsKeyPrefix);

namespace {

// The image `name` together with its drawing at twice the size, which the collection keeps under
// the usual "@2x" name: on a screen at a device pixel ratio of 2 Qt picks the sharp one instead of
// enlarging the small one.
QIcon iconFromCollection(const char* name)
{
    const QString plain = QString::fromLatin1(name);
    QIcon icon(pixmapFromMimeSource(plain));
    QString doubled = plain;
    doubled.insert(doubled.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    QPixmap sharp = pixmapFromMimeSource(doubled);
    if (!sharp.isNull()) {
        sharp.setDevicePixelRatio(2);
        icon.addPixmap(sharp);
    }
    return icon;
}

// The collection's 32 pixels (and 64 for a dense screen), with the same drawing at the other sizes
// a desktop shows a window's icon at, up to 256.
QIcon programIcon()
{
    QIcon icon = iconFromCollection("Velkaro.png");
    for (const int size : {16, 48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/Velkaro-%1.png").arg(size), QSize(size, size));
    return icon;
}

// Buttons show their image at its own size; a missing image leaves the toolkit's icon size alone.
void setButtonIcon(QPushButton* button, const char* name)
{
    const QPixmap pixmap = pixmapFromMimeSource(QString::fromLatin1(name));
    button->setIcon(iconFromCollection(name));
    if (!pixmap.isNull())
        button->setIconSize(pixmap.size());
}

QSizePolicy fixedHeightPolicy(QSizePolicy::Policy horizontal, const QWidget* widget)
{
    QSizePolicy policy(horizontal, QSizePolicy::Fixed);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    policy.setHeightForWidth(widget->sizePolicy().hasHeightForWidth());
    return policy;
}

// A group box holds a column layout, and inside it a grid whose contents stay at the top.
QGridLayout* addGroupGrid(QGroupBox* box)
{
    auto* column = new QVBoxLayout(box);
    column->setSpacing(6);
    column->setContentsMargins(11, 11, 11, 11);
    auto* grid = new QGridLayout();
    column->addLayout(grid);
    grid->setAlignment(Qt::AlignTop);
    return grid;
}

// The labels of the path and size fields end in an arrow at the field, which stands to their right,
// or to their left in a right-to-left layout. The label is set in the layout's direction, whatever
// script its words are in, with the arrow after the words and pointing forward, "------->": set
// right to left, the bidirectional algorithm draws that ">" mirrored, pointing left. A
// translation's own arrow, at either end and pointing either way, is taken for its length only.
QString pointingAtField(const QString& text, Qt::LayoutDirection direction)
{
    const auto isArrow = [](QChar c) {
        return c.isSpace() || QStringView(u"-<>\u2190\u2192\u200E\u200F").contains(c);
    };
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isArrow(text.at(first)))
        ++first;
    while (last > first && isArrow(text.at(last - 1)))
        --last;
    const QString words = text.mid(first, last - first);
    const qsizetype dashes = text.count(QLatin1Char('-')) - words.count(QLatin1Char('-'));
    QString label = words + QLatin1Char(' ') + QString(qMax<qsizetype>(dashes, 1), QLatin1Char('-'))
        + QLatin1Char('>');
    const bool rightToLeft = direction == Qt::RightToLeft;
    if (label.isRightToLeft() != rightToLeft)
        label.prepend(rightToLeft ? QChar(0x200F) : QChar(0x200E));
    return label;
}

} // namespace

FormMain::FormMain(QWidget* parent, const char* name, Qt::WindowFlags fl)
    : QMainWindow(parent, fl), bell(std::make_unique<Bell>(QGuiApplication::platformName()))
{
    // Before any combo box exists, so that none is given Qt's own interface first.
    UseNamedComboBoxes();
    statusBar();
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("FormMain"));

    setWindowIcon(programIcon());
    setAcceptDrops(true);

    auto* central = new QWidget(this);
    central->setObjectName("qt_central_widget");
    setCentralWidget(central);
    FormMainLayout = new QGridLayout(central);
    FormMainLayout->setObjectName("FormMainLayout");
    FormMainLayout->setContentsMargins(11, 11, 11, 11);
    FormMainLayout->setSpacing(6);

    gboxSplitBuild = new QGroupBox(central);
    gboxSplitBuild->setObjectName("gboxSplitBuild");
    gboxSplitBuildLayout = addGroupGrid(gboxSplitBuild);

    lblSource = new QLabel(gboxSplitBuild);
    lblSource->setObjectName("lblSource");
    gboxSplitBuildLayout->addWidget(lblSource, 0, 0);

    lblDestination = new QLabel(gboxSplitBuild);
    lblDestination->setObjectName("lblDestination");
    gboxSplitBuildLayout->addWidget(lblDestination, 1, 0);

    txtSource = new QLineEdit(gboxSplitBuild);
    txtSource->setObjectName("txtSource");
    gboxSplitBuildLayout->addWidget(txtSource, 0, 1);

    txtDestination = new QLineEdit(gboxSplitBuild);
    txtDestination->setObjectName("txtDestination");
    gboxSplitBuildLayout->addWidget(txtDestination, 1, 1);

    btnSource = new QPushButton(gboxSplitBuild);
    btnSource->setObjectName("btnSource");
    setButtonIcon(btnSource, "open-18x18.png");
    gboxSplitBuildLayout->addWidget(btnSource, 0, 2);

    btnDestination = new QPushButton(gboxSplitBuild);
    btnDestination->setObjectName("btnDestination");
    setButtonIcon(btnDestination, "save-18x18.png");
    gboxSplitBuildLayout->addWidget(btnDestination, 1, 2);

    FormMainLayout->addWidget(gboxSplitBuild, 0, 0);

    gboxSplitOptions = new QGroupBox(central);
    gboxSplitOptions->setObjectName("gboxSplitOptions");
    gboxSplitOptionsLayout = addGroupGrid(gboxSplitOptions);

    lblPackageSize = new QLabel(gboxSplitOptions);
    lblPackageSize->setObjectName("lblPackageSize");
    gboxSplitOptionsLayout->addWidget(lblPackageSize, 0, 0);

    cboPackageSize = new QComboBox(gboxSplitOptions);
    cboPackageSize->setObjectName("cboPackageSize");
    cboPackageSize->setEditable(true);
    cboPackageSize->setSizePolicy(fixedHeightPolicy(QSizePolicy::Expanding, cboPackageSize));
    // Only the history routines change the list: Enter in the edit field must not add to it.
    cboPackageSize->setInsertPolicy(QComboBox::NoInsert);
    cboPackageSize->setDuplicatesEnabled(false);
    gboxSplitOptionsLayout->addWidget(cboPackageSize, 0, 1);

    cboUnits = new QComboBox(gboxSplitOptions);
    cboUnits->setObjectName("cboUnits");
    cboUnits->setSizePolicy(fixedHeightPolicy(QSizePolicy::Minimum, cboUnits));
    gboxSplitOptionsLayout->addWidget(cboUnits, 0, 2);

    btnClear = new QPushButton(gboxSplitOptions);
    btnClear->setObjectName("btnClear");
    QSizePolicy clearPolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    clearPolicy.setHeightForWidth(btnClear->sizePolicy().hasHeightForWidth());
    btnClear->setSizePolicy(clearPolicy);
    setButtonIcon(btnClear, "clear-16x16.png");
    gboxSplitOptionsLayout->addWidget(btnClear, 0, 3);

    FormMainLayout->addWidget(gboxSplitOptions, 1, 0);

    spacer3 = new QSpacerItem(16, 19, QSizePolicy::Minimum, QSizePolicy::Expanding);
    FormMainLayout->addItem(spacer3, 2, 0);

    layout1 = new QHBoxLayout();
    layout1->setObjectName("layout1");
    layout1->setContentsMargins(0, 0, 0, 0);
    layout1->setSpacing(6);
    spacer1 = new QSpacerItem(97, 16, QSizePolicy::Expanding, QSizePolicy::Minimum);
    layout1->addItem(spacer1);

    btnSplit = new QPushButton(central);
    btnSplit->setObjectName("btnSplit");
    setButtonIcon(btnSplit, "split-22x22.png");
    layout1->addWidget(btnSplit, 0);

    btnBuild = new QPushButton(central);
    btnBuild->setObjectName("btnBuild");
    setButtonIcon(btnBuild, "rebuild-22x22.png");
    layout1->addWidget(btnBuild, 0);

    btnExit = new QPushButton(central);
    btnExit->setObjectName("btnExit");
    btnExit->setDefault(true);
    setButtonIcon(btnExit, "exit-22x22.png");
    layout1->addWidget(btnExit, 0);

    FormMainLayout->addLayout(layout1, 3, 0);

    fileExit = new QAction(this);
    fileExit->setObjectName("fileExit");
    fileExit->setIcon(iconFromCollection("exit-16x16.png"));
    taskSplit = new QAction(this);
    taskSplit->setObjectName("taskSplit");
    taskSplit->setIcon(iconFromCollection("split-16x16.png"));
    taskBuild = new QAction(this);
    taskBuild->setObjectName("taskBuild");
    taskBuild->setIcon(iconFromCollection("rebuild-16x16.png"));
    helpAbout = new QAction(this);
    helpAbout->setObjectName("helpAbout");
    helpAbout->setIcon(iconFromCollection("info-16x16.png"));
    helpManual = new QAction(this);
    helpManual->setObjectName("helpManual");
    helpManual->setIcon(iconFromCollection("contents-16x16.png"));

    MenuBarEditor = new QMenuBar(this);
    MenuBarEditor->setObjectName("MenuBarEditor");
    setMenuBar(MenuBarEditor);

    fileMenu = new QMenu(this);
    fileMenu->addAction(fileExit);
    MenuBarEditor->addMenu(fileMenu);

    taskMenu = new QMenu(this);
    taskMenu->addAction(taskSplit);
    taskMenu->addSeparator();
    taskMenu->addAction(taskBuild);
    MenuBarEditor->addMenu(taskMenu);

    helpMenu = new QMenu(this);
    helpMenu->addAction(helpManual);
    helpMenu->addSeparator();
    helpMenu->addAction(helpAbout);
    MenuBarEditor->addMenu(helpMenu);

    languageChange();
    resize(QSize(428, 279).expandedTo(minimumSizeHint()));

    connect(btnExit, &QPushButton::clicked, this, &FormMain::close);
    connect(fileExit, &QAction::triggered, this, &FormMain::close);
    connect(helpManual, &QAction::triggered, this, &FormMain::manual);
    connect(helpAbout, &QAction::triggered, this, &FormMain::about);
    connect(btnSplit, &QPushButton::clicked, this, &FormMain::split);
    connect(taskSplit, &QAction::triggered, this, &FormMain::split);
    connect(btnBuild, &QPushButton::clicked, this, &FormMain::build);
    connect(taskBuild, &QAction::triggered, this, &FormMain::build);
    connect(btnSource, &QPushButton::clicked, this, &FormMain::source);
    connect(btnDestination, &QPushButton::clicked, this, &FormMain::destination);
    connect(btnClear, &QPushButton::clicked, this, &FormMain::clear);

    setTabOrder(txtSource, btnSource);
    setTabOrder(btnSource, txtDestination);
    setTabOrder(txtDestination, btnDestination);
    setTabOrder(btnDestination, cboPackageSize);
    setTabOrder(cboPackageSize, cboUnits);
    setTabOrder(cboUnits, btnClear);
    setTabOrder(btnClear, btnSplit);
    setTabOrder(btnSplit, btnBuild);
    setTabOrder(btnBuild, btnExit);

    // A line edit takes a dropped file as text, its URL put in where the mouse lets go: the path
    // fields hand drops of files to the window's own handling (eventFilter).
    txtSource->installEventFilter(this);
    txtDestination->installEventFilter(this);

    SpeakCurrentItem(cboUnits);
    lblSource->setBuddy(txtSource);
    lblDestination->setBuddy(txtDestination);
    lblPackageSize->setBuddy(cboPackageSize);

    init();
}

FormMain::~FormMain() = default;

void FormMain::languageChange()
{
    setWindowTitle(tr(ProgramCaption));
    gboxSplitBuild->setTitle(tr("Split && Build"));
    lblSource->setText(pointingAtField(tr("So&urce ------->"), layoutDirection()));
    lblDestination->setText(pointingAtField(tr("&Destination -->"), layoutDirection()));
    btnSource->setText(tr("&Open"));
    btnSource->setShortcut(QKeySequence(tr("Alt+O")));
    btnSource->setToolTip(tr("Open"));
    btnDestination->setText(tr("S&ave"));
    btnDestination->setShortcut(QKeySequence(tr("Alt+A")));
    btnDestination->setToolTip(tr("Save"));
    gboxSplitOptions->setTitle(tr("Split Options"));
    lblPackageSize->setText(pointingAtField(tr("&Package Size ->"), layoutDirection()));
    cboPackageSize->clear();
    cboPackageSize->addItem(tr("1457664"));
    cboPackageSize->setToolTip(tr("Package Size"));
    cboUnits->clear();
    cboUnits->addItem(tr("B (Bytes)"));
    cboUnits->addItem(tr("KB (Kilo)"));
    cboUnits->addItem(tr("MB (Mega)"));
    cboUnits->setToolTip(tr("Measurement Units"));
    btnClear->setText(tr("&Clear"));
    btnClear->setShortcut(QKeySequence(tr("Alt+C")));
    btnClear->setToolTip(tr("Clear All Split Options (Reset)"));
    btnSplit->setText(tr("&Split"));
    btnSplit->setShortcut(QKeySequence(tr("Alt+S")));
    btnSplit->setToolTip(tr("Split"));
    btnBuild->setText(tr("&Build"));
    btnBuild->setShortcut(QKeySequence(tr("Alt+B")));
    btnBuild->setToolTip(tr("Build"));
    btnExit->setText(tr("E&xit"));
    btnExit->setShortcut(QKeySequence(tr("Alt+X")));
    btnExit->setToolTip(tr("Exit"));

    // An action's menu text (with its mnemonic) is what the menu shows; the plain text serves
    // tool bars and tool tips.
    fileExit->setIconText(tr("Exit"));
    fileExit->setText(tr("E&xit"));
    fileExit->setShortcut(QKeySequence(tr("Ctrl+Q")));
    taskSplit->setIconText(tr("Split"));
    taskSplit->setText(tr("&Split"));
    taskSplit->setShortcut(QKeySequence(tr("F8")));
    taskBuild->setIconText(tr("Build"));
    taskBuild->setText(tr("&Build"));
    taskBuild->setShortcut(QKeySequence(tr("F9")));
    helpAbout->setIconText(tr("About..."));
    helpAbout->setText(tr("&About..."));
    helpAbout->setShortcut(QKeySequence());
    helpManual->setIconText(tr("Manual"));
    helpManual->setText(tr("&Manual"));
    helpManual->setShortcut(QKeySequence(tr("F1")));

    // A menu's title is the text of the menu-bar item that addMenu made for it.
    fileMenu->setTitle(tr("&File"));
    taskMenu->setTitle(tr("&Task"));
    helpMenu->setTitle(tr("&Help"));

    // What a screen reader says: the labels and the fields they name by their words, without the
    // drawn arrows; the boxes would be read out by their values (the unit box had no name at all).
    lblSource->setAccessibleName(tr("Source"));
    lblDestination->setAccessibleName(tr("Destination"));
    lblPackageSize->setAccessibleName(tr("Package size"));
    txtSource->setAccessibleName(tr("Source"));
    btnSource->setAccessibleName(tr("Open"));
    txtDestination->setAccessibleName(tr("Destination"));
    btnDestination->setAccessibleName(tr("Save"));
    cboPackageSize->setAccessibleName(tr("Package size"));
    cboPackageSize->lineEdit()->setAccessibleName(tr("Package size"));
    cboUnits->setAccessibleName(tr("Unit"));
    btnClear->setAccessibleName(tr("Clear"));
    btnSplit->setAccessibleName(tr("Split"));
    btnBuild->setAccessibleName(tr("Build"));
    btnExit->setAccessibleName(tr("Exit"));
}
