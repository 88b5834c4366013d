// What the user meets in the window: what it shows as it opens and at every size, what a screen
// reader hears for each control, what each menu holds, which command each button and menu entry
// runs, and the same window again after a change of language. The keys are in
// tst_formmain_keyboard, the words of every language in tst_language.

#include "caption.h"
#include "formmain_fixture.h"
#include "mimesourcefactory.h"
#include "translations.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>
#include <memory>

namespace {

bool sameImage(const QIcon& icon, const QPixmap& pixmap)
{
    if (pixmap.isNull())
        return icon.isNull();
    return icon.pixmap(pixmap.size()).toImage().convertToFormat(QImage::Format_ARGB32)
        == pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Every icon of the window with the name of its image in the collection.
QList<std::pair<QIcon, QString>> iconsByName(const FormMain& window)
{
    return {{window.windowIcon(), "Velkaro.png"}, {window.btnSource->icon(), "open-18x18.png"},
        {window.btnDestination->icon(), "save-18x18.png"},
        {window.btnClear->icon(), "clear-16x16.png"}, {window.btnSplit->icon(), "split-22x22.png"},
        {window.btnBuild->icon(), "rebuild-22x22.png"}, {window.btnExit->icon(), "exit-22x22.png"},
        {window.fileExit->icon(), "exit-16x16.png"}, {window.taskSplit->icon(), "split-16x16.png"},
        {window.taskBuild->icon(), "rebuild-16x16.png"},
        {window.helpAbout->icon(), "info-16x16.png"},
        {window.helpManual->icon(), "contents-16x16.png"}};
}

// What the window shows the user or hands a screen reader, sorted: the caption, each part's words,
// tool tip, spoken name and key, the boxes' items and the menu bar's titles.
QStringList everyText(const FormMain& window)
{
    QStringList texts {window.windowTitle()};
    const auto note = [&texts](const QObject* part, const QString& what, const QString& text) {
        if (!text.isEmpty())
            texts << QString::fromLatin1(part->metaObject()->className()) + ' ' + part->objectName()
                    + ' ' + what + ": " + text;
    };
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        note(widget, "tip", widget->toolTip());
        note(widget, "spoken", widget->accessibleName());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            note(label, "text", label->text());
        else if (const auto* button = qobject_cast<const QPushButton*>(widget))
            note(button, "text", button->text() + ' ' + button->shortcut().toString());
        else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            note(box, "title", box->title());
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                note(combo, i == combo->currentIndex() ? "current" : "item", combo->itemText(i));
        else if (const auto* bar = qobject_cast<const QMenuBar*>(widget))
            for (const QAction* item : bar->actions())
                note(bar, "menu", item->text());
    }
    const QList<QAction*> actions = window.findChildren<QAction*>();
    for (const QAction* action : actions)
        note(action, "text",
            action->text() + ' ' + action->iconText() + ' ' + action->shortcut().toString());
    std::sort(texts.begin() + 1, texts.end());
    return texts;
}

} // namespace

class TestFormMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        SettingsSandbox::instance().reset();
    }

    // Without saved settings: the caption, empty paths, the default size and unit, every control
    // at hand, Exit drawn as the default button, a status bar, and room for a dropped file.
    void opensAsNew()
    {
        FormMain window;
        QCOMPARE(window.windowTitle(), QString::fromLatin1(ProgramCaption));
        QCOMPARE(window.size(), QSize(428, 279).expandedTo(window.minimumSizeHint()));
        QVERIFY(window.txtSource->text().isEmpty());
        QVERIFY(window.txtDestination->text().isEmpty());
        QCOMPARE(window.GetComboList(window.cboPackageSize), QStringList({"1457664"}));
        QCOMPARE(window.GetComboList(window.cboUnits),
            QStringList({"B (Bytes)", "KB (Kilo)", "MB (Mega)"}));
        QCOMPARE(window.cboUnits->currentIndex(), 0);
        // The size is typed, the unit only chosen.
        QVERIFY(window.cboPackageSize->lineEdit() != nullptr);
        QVERIFY(window.cboUnits->lineEdit() == nullptr);
        const QList<QWidget*> widgets = window.findChildren<QWidget*>();
        for (const QWidget* widget : widgets)
            QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
        const QList<QAction*> actions = window.findChildren<QAction*>();
        for (const QAction* action : actions)
            QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
        const QList<QPushButton*> buttons = window.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 6);
        for (const QPushButton* button : buttons)
            QCOMPARE(button->isDefault(), button == window.btnExit);
        QVERIFY(window.findChild<QStatusBar*>() != nullptr);
        QVERIFY(window.acceptDrops());
        QVERIFY(window.manualPath.isNull());

        // Parts that style sheets and tests find by name.
        QCOMPARE(window.objectName(), QString("FormMain"));
        QCOMPARE(FormMain(nullptr, "Second").objectName(), QString("Second"));
        QCOMPARE(window.menuBar(), window.MenuBarEditor);
        for (const char* name : {"qt_central_widget", "FormMainLayout", "layout1", "MenuBarEditor"})
            QVERIFY2(window.findChild<QObject*>(name) != nullptr, name);
        QCOMPARE(window.centralWidget()->layout()->objectName(), QString("FormMainLayout"));
    }

    // Task bars and docks ask for the window's icon at their own sizes: each is drawn, none
    // enlarged from a smaller one.
    void windowIconComesInEverySize()
    {
        const FormMain window;
        const QIcon icon = window.windowIcon();
        for (const int size : {16, 32, 48, 128, 256}) {
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                qPrintable(QString::number(size)));
            QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
        }
    }

    void layoutHoldsAtEverySize_data()
    {
        QTest::addColumn<QSize>("asked");
        QTest::newRow("as opened") << QSize();
        QTest::newRow("smallest") << QSize(1, 1);
        QTest::newRow("larger") << QSize(700, 500);
    }

    // What the eye checks: everything in the window, nothing on top of anything else, labels in
    // front of their fields, the rows and columns lined up, the commands a row of equal buttons in
    // the bottom right corner, and no size at which the window hides or squeezes any of it.
    void layoutHoldsAtEverySize()
    {
        QFETCH(QSize, asked);
        FormMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (asked.isValid()) {
            window.resize(asked);
            QTRY_COMPARE(window.size(), asked.expandedTo(window.minimumSize()));
        }
        QCOMPARE(window.size().expandedTo(window.minimumSizeHint()), window.size());

        const QWidget* central = window.centralWidget();
        const auto at = [central](const QWidget* widget) {
            return QRect(widget->mapTo(central, QPoint(0, 0)), widget->size());
        };
        const QList<const QWidget*> boxes = {window.gboxSplitBuild, window.gboxSplitOptions};
        const QList<const QWidget*> commands = {window.btnSplit, window.btnBuild, window.btnExit};
        const QList<QList<const QWidget*>> rows
            = {{window.lblSource, window.txtSource, window.btnSource},
                {window.lblDestination, window.txtDestination, window.btnDestination},
                {window.lblPackageSize, window.cboPackageSize, window.cboUnits, window.btnClear}};

        // Inside the window, clear of its edges, and nowhere smaller than it needs to be.
        QList<const QWidget*> all = boxes + commands;
        for (const auto& row : rows)
            all += row;
        const QRect inside = central->rect().adjusted(1, 1, -1, -1);
        for (const QWidget* widget : all) {
            const QString name = widget->objectName();
            QVERIFY2(widget->isVisible(), qPrintable(name));
            QVERIFY2(inside.contains(at(widget)), qPrintable(name));
            QVERIFY2(widget->size().expandedTo(widget->minimumSizeHint()) == widget->size(),
                qPrintable(name));
        }

        // None touches another, nor a box's frame or title.
        const auto apart = [&](const QList<const QWidget*>& widgets) {
            for (qsizetype i = 0; i < widgets.size(); ++i)
                for (qsizetype j = i + 1; j < widgets.size(); ++j)
                    QVERIFY2(!at(widgets[i]).adjusted(-1, -1, 1, 1).intersects(at(widgets[j])),
                        qPrintable(widgets[i]->objectName() + " / " + widgets[j]->objectName()));
        };
        apart(boxes + commands);
        apart(rows[0] + rows[1]);
        apart(rows[2]);
        // The paths' rows in the upper box, the size's row in the lower one, under each title.
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QWidget* box = boxes.at(i < 2 ? 0 : 1);
            const QRect clear = QRect(
                box->mapTo(central, box->contentsRect().topLeft()), box->contentsRect().size())
                                    .adjusted(1, 1, -1, -1);
            for (const QWidget* widget : rows.at(i))
                QVERIFY2(clear.contains(at(widget)), qPrintable(widget->objectName()));
        }

        // Each row reads left to right on one centre line, the label first.
        for (const auto& row : rows) {
            for (qsizetype i = 1; i < row.size(); ++i) {
                QVERIFY(at(row[i - 1]).right() < at(row[i]).left());
                QVERIFY2(qAbs(at(row[i]).center().y() - at(row[0]).center().y()) <= 1,
                    qPrintable(row[i]->objectName()));
            }
        }
        // The source's row above the destination's; the columns line up, across both boxes too;
        // the boxes share their edges.
        QVERIFY(at(window.btnSource).bottom() < at(window.txtDestination).top());
        QCOMPARE(at(window.lblDestination).left(), at(window.lblSource).left());
        QCOMPARE(at(window.lblPackageSize).left(), at(window.lblSource).left());
        QCOMPARE(at(window.txtDestination).left(), at(window.txtSource).left());
        QCOMPARE(at(window.txtDestination).width(), at(window.txtSource).width());
        QCOMPARE(at(window.btnDestination).left(), at(window.btnSource).left());
        QCOMPARE(at(window.btnDestination).size(), at(window.btnSource).size());
        QCOMPARE(at(window.btnClear).right(), at(window.btnSource).right());
        QCOMPARE(at(window.gboxSplitOptions).left(), at(window.gboxSplitBuild).left());
        QCOMPARE(at(window.gboxSplitOptions).right(), at(window.gboxSplitBuild).right());
        QCOMPARE(central->rect().right() - at(window.gboxSplitBuild).right(),
            at(window.gboxSplitBuild).left());
        QVERIFY(at(window.gboxSplitBuild).bottom() < at(window.gboxSplitOptions).top());

        // The commands: one row of equal buttons, in order, under the boxes, ending flush with
        // their right edge, and as far down as the window goes, with as much room below them as
        // the boxes have above.
        for (const QWidget* command : commands) {
            QCOMPARE(at(command).size(), at(window.btnExit).size());
            QCOMPARE(at(command).top(), at(window.btnExit).top());
            QVERIFY(at(window.gboxSplitOptions).bottom() < at(command).top());
        }
        QVERIFY(at(window.btnSplit).right() < at(window.btnBuild).left());
        QVERIFY(at(window.btnBuild).right() < at(window.btnExit).left());
        QCOMPARE(at(window.btnExit).right(), at(window.gboxSplitBuild).right());
        QCOMPARE(central->rect().bottom() - at(window.btnExit).bottom(),
            at(window.gboxSplitBuild).top());
    }

    void icons()
    {
        const FormMain window;
        for (const auto& [icon, name] : iconsByName(window))
            QVERIFY2(sameImage(icon, pixmapFromMimeSource(name)), qPrintable(name));
    }

    // At a device pixel ratio of 2 every icon shows its own drawing at twice the size, not its
    // small image enlarged.
    void iconsAreSharpAtDoublePixelRatio()
    {
        const FormMain window;
        for (const auto& [icon, name] : iconsByName(window)) {
            const QSize size = pixmapFromMimeSource(name).size();
            const QPixmap shown = icon.pixmap(size, 2.0);
            QCOMPARE(shown.devicePixelRatio(), 2.0);
            QString doubled = name;
            doubled.insert(doubled.lastIndexOf('.'), "@2x");
            const QImage drawing = pixmapFromMimeSource(doubled).toImage();
            QCOMPARE(drawing.size(), 2 * size);
            QVERIFY2(shown.toImage().convertToFormat(QImage::Format_ARGB32)
                    == drawing.convertToFormat(QImage::Format_ARGB32),
                qPrintable(name));
        }
    }

    // Each control as the eye sees it (with "&" before the letter its key underlines) and as a
    // screen reader has it: the role, the spoken name, and the description, which is also the
    // tool tip.
    void controlsShowAndSay_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("described");
        const auto control = [](const char* name, const char* shown, QAccessible::Role role,
                                 const char* spoken, const char* described) {
            QTest::newRow(name) << QString(name) << QString(shown) << role << QString(spoken)
                                << QString(described);
        };
        using A = QAccessible;
        control("gboxSplitBuild", "Split && Build", A::Grouping, "Split & Build", "");
        control("lblSource", "So&urce ------->", A::StaticText, "Source", "");
        control("txtSource", "", A::EditableText, "Source", "");
        control("btnSource", "&Open", A::Button, "Open", "Open");
        control("lblDestination", "&Destination -->", A::StaticText, "Destination", "");
        control("txtDestination", "", A::EditableText, "Destination", "");
        control("btnDestination", "S&ave", A::Button, "Save", "Save");
        control("gboxSplitOptions", "Split Options", A::Grouping, "Split Options", "");
        control("lblPackageSize", "&Package Size ->", A::StaticText, "Package size", "");
        control("cboPackageSize", "1457664", A::ComboBox, "Package size", "Package Size");
        control("cboUnits", "B (Bytes)", A::ComboBox, "Unit", "Measurement Units");
        control("btnClear", "&Clear", A::Button, "Clear", "Clear All Split Options (Reset)");
        control("btnSplit", "&Split", A::Button, "Split", "Split");
        control("btnBuild", "&Build", A::Button, "Build", "Build");
        control("btnExit", "E&xit", A::Button, "Exit", "Exit");
    }

    void controlsShowAndSay()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, spoken);
        QFETCH(QString, described);
        const FormMain window;
        QWidget* const widget = window.findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        if (const auto* button = qobject_cast<const QPushButton*>(widget))
            QCOMPARE(button->text(), shown);
        else if (const auto* label = qobject_cast<const QLabel*>(widget))
            QCOMPARE(label->text(), shown);
        else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            QCOMPARE(box->title(), shown);
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            QCOMPARE(combo->currentText(), shown);
        else if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            QCOMPARE(edit->text(), shown);
        QAccessibleInterface* const face = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(face != nullptr);
        QCOMPARE(face->role(), role);
        QCOMPARE(face->text(QAccessible::Name), spoken);
        QCOMPARE(face->text(QAccessible::Description), described);
        QCOMPARE(widget->toolTip(), described);
    }

    // The unit box keeps Qt's combo-box interface: its value follows the choice, its list holds
    // the three units, and it can be opened.
    void unitBoxSaysItsChoice()
    {
        FormMain window;
        QAccessibleInterface* const unit = QAccessible::queryAccessibleInterface(window.cboUnits);
        QCOMPARE(unit->text(QAccessible::Value), QStringLiteral("B (Bytes)"));
        window.cboUnits->setCurrentIndex(2);
        QCOMPARE(unit->text(QAccessible::Value), QStringLiteral("MB (Mega)"));
        QCOMPARE(unit->childCount(), 1);
        QCOMPARE(unit->child(0)->childCount(), 3);
        QVERIFY(unit->actionInterface());
        QCOMPARE(
            QAccessible::queryAccessibleInterface(window.cboPackageSize)->text(QAccessible::Value),
            QStringLiteral("1457664"));
    }

    // The menu bar and each menu as they open: the title, then each entry (by its name) with its
    // key; a line is a separator. A tool bar or tool tip would show an entry's words unmarked.
    void menusHoldTheirEntries()
    {
        const FormMain window;
        QStringList menus;
        const QList<QAction*> items = window.MenuBarEditor->actions();
        for (const QAction* item : items) {
            QStringList entries {item->text()};
            const QList<QAction*> actions = item->menu()->actions();
            for (const QAction* action : actions) {
                entries << (action->isSeparator() ? QString("-")
                                                  : action->objectName() + ' ' + action->text()
                            + ' ' + action->shortcut().toString())
                               .trimmed();
                if (!action->isSeparator())
                    QCOMPARE(action->iconText(), QString(action->text()).remove('&'));
            }
            menus << entries.join(" | ");
        }
        QCOMPARE(menus,
            QStringList({"&File | fileExit E&xit Ctrl+Q",
                "&Task | taskSplit &Split F8 | - | taskBuild &Build F9",
                "&Help | helpManual &Manual F1 | - | helpAbout &About..."}));
    }

    // Each button and menu entry runs its command once.
    void commandsReachTheirSlots()
    {
        ProbeWindow window;
        window.btnSource->click();
        window.btnDestination->click();
        window.btnClear->click();
        window.btnSplit->click();
        window.taskSplit->trigger();
        window.btnBuild->click();
        window.taskBuild->trigger();
        window.helpManual->trigger();
        window.helpAbout->trigger();
        window.btnExit->click();
        window.fileExit->trigger();
        const QList<int> counts = {window.sources, window.destinations, window.clears,
            window.splits, window.builds, window.manuals, window.abouts, window.closes};
        QCOMPARE(counts, QList<int>({1, 1, 1, 2, 2, 1, 1, 2}));
    }

    // The window, its menus and actions go together: nothing it made outlives it.
    void everyPartGoesWithTheWindow()
    {
        auto window = std::make_unique<FormMain>();
        QList<QPointer<QObject>> parts;
        for (QObject* part : std::initializer_list<QObject*> {window->fileMenu, window->taskMenu,
                 window->helpMenu, window->fileExit, window->taskSplit, window->taskBuild,
                 window->helpManual, window->helpAbout})
            parts << part;
        window.reset();
        for (const QPointer<QObject>& part : std::as_const(parts))
            QVERIFY(part.isNull());
    }

    // A change of language gives the window every text a window opened in that language has,
    // and the defaults of the size history and the unit again; back in English it is as it was.
    void languageChangeSetsEveryText()
    {
        ProbeWindow window;
        const QStringList english = everyText(window);
        window.cboPackageSize->addItem("4096");
        window.cboPackageSize->setCurrentIndex(1);
        window.cboUnits->setCurrentIndex(2);
        {
            QLocale::setDefault(QLocale("de_DE"));
            const Translations german;
            window.languageChange();
            const FormMain opened;
            QCOMPARE(everyText(window), everyText(opened));
            QVERIFY(everyText(window) != english);
        }
        QLocale::setDefault(QLocale::c());
        window.languageChange();
        window.languageChange();
        QCOMPARE(everyText(window), english);
    }
};

WINDOW_TEST_MAIN(TestFormMainWindow)
#include "tst_formmain_window.moc"
