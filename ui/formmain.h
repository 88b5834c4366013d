#pragma once

// The main window: source and destination paths, the package size with its unit, and the Split,
// Build, Clear, Manual, About and Exit commands. Built the way a form generator builds a window:
// the constructor creates every widget, languageChange() sets every text, init() runs last and
// restores the saved settings. The slots call the package engine (Velkaro) directly and report
// its results with beeps and message boxes.

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Bell;
class QAction;
class QCloseEvent;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMimeData;
class QMenu;
class QMenuBar;
class QPushButton;
class QSpacerItem;

class FormMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit FormMain(
        QWidget* parent = nullptr, const char* name = nullptr, Qt::WindowFlags fl = Qt::Window);
    ~FormMain() override;

    QGroupBox* gboxSplitBuild;
    QLabel* lblSource;
    QLabel* lblDestination;
    QLineEdit* txtSource;
    QLineEdit* txtDestination;
    QPushButton* btnSource;
    QPushButton* btnDestination;
    QGroupBox* gboxSplitOptions;
    QLabel* lblPackageSize;
    QComboBox* cboPackageSize;
    QComboBox* cboUnits;
    QPushButton* btnClear;
    QPushButton* btnSplit;
    QPushButton* btnBuild;
    QPushButton* btnExit;
    QMenuBar* MenuBarEditor;
    QMenu* fileMenu;
    QMenu* taskMenu;
    QMenu* helpMenu;
    QAction* fileExit;
    QAction* taskSplit;
    QAction* taskBuild;
    QAction* helpAbout;
    QAction* helpManual;

    // Full path of the user manual; set by start-up, read by manual().
    QString manualPath;

    static const QString WINDOWS_REGISTRY;
    static const QString APP_KEY;

    // The window's own operations are virtual, so that a test window can watch or replace them.
    virtual void SetFields(QString path);

protected slots:
    virtual void languageChange();

public:
    virtual void LoadSettings();
    virtual void SaveSettings();
    virtual void AddUniqueComboListItem(QComboBox* box, int index);
    virtual void AddUniqueComboListItem(QComboBox* box, const char* text, int index);
    virtual QString GetNumStr(const char* text);
    virtual QStringList GetComboList(QComboBox* box);
    virtual void SetComboList(QComboBox* box, QStringList& list);

protected:
    QGridLayout* FormMainLayout;
    QSpacerItem* spacer3;
    QGridLayout* gboxSplitBuildLayout;
    QGridLayout* gboxSplitOptionsLayout;
    QHBoxLayout* layout1;
    QSpacerItem* spacer1;

    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    virtual void manual();
    virtual void about();
    virtual void source();
    virtual void destination();
    virtual void clear();
    virtual void split();
    virtual void build();

private:
    const std::unique_ptr<Bell> bell;
    QString lastSourcePath;
    QString lastDestinationPath;
    // An engine command is under way, and a close request waits for it to end.
    bool commandRunning = false;
    bool closeAsked = false;

    void init();
    bool takesDrag(const QMimeData* mime) const;
    void addUniqueItem(QComboBox* box, const QString& item, int index);
    // Whether the command goes on: asks `question` where its plan would replace files.
    bool mayReplace(bool replaces, const QString& question);
    // Shows `text` as a warning where there is one; true where the command stops there.
    bool warned(const QString& text);
    // Runs an engine command under the wait cursor; returns what the command returns.
    bool runCommand(const std::function<bool()>& command);
    // Rings the bell for a command done, or shows `failed`; then closes if asked meanwhile.
    void finish(bool done, const QString& failed);
    void closeIfAsked();
    void browserNotFound(const QString& path);
};
