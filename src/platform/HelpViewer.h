#pragma once
// Our viewer for the game's compiled HTML Help file: a window with a contents pane, an
// index pane and the page, with Back and Forward. The file itself is read by the help
// reader program, so that a damaged file cannot take the game down.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

class QAction;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace quoxa {

// One compiled help file, read whole by the reader program. A file the reader cannot read,
// or a reader that fails, crashes or takes longer than the time limit, leaves it closed.
class ChmFile {
public:
    static constexpr int kReaderTimeLimitMs = 3000;

    explicit ChmFile(const QString &path);

    bool isOpen() const { return mOpen; }
    // An object by its path inside the file ("/html/welcome.htm"), matched without regard
    // to case; the path as the file spells it comes back in `stored`.
    std::optional<QByteArray> Read(const QString &path, QString *stored = nullptr) const;

    // A window type the file defines: its caption, contents, index and home page.
    struct WindowType {
        QString caption, contents, index, home;
    };
    std::optional<WindowType> FindWindowType(const QString &name) const;

private:
    bool Parse(const QByteArray &output);

    struct Stored {
        QString path;
        QByteArray data;
    };
    QHash<QString, Stored> mObjects; // by path in lower case
    bool mOpen = false;
};

// An entry of a contents or index file: its name, its page, and how deep it sits.
struct SitemapEntry {
    QString name;
    QString local;
    int depth = 0;
};
QList<SitemapEntry> ParseSitemap(const QByteArray &html);

class HelpViewer : public QWidget {
    Q_OBJECT

public:
    enum class Pane { Contents, Index };

    HelpViewer(QWidget *owner, std::shared_ptr<ChmFile> file, const ChmFile::WindowType &type);

    const QString &fileName() const { return mFileName; }
    void setFileName(const QString &name) { mFileName = name; }
    void ShowPane(Pane pane);
    // Shows a page by its path inside the file ("html/license.htm"); a page the file does
    // not hold leaves the window on its home page.
    void ShowPage(const QString &local);
    // The path of the page shown, as the file spells it.
    QString currentPage() const;

private:
    // Follows a link of the page shown: a page of the file, or a web or mail address.
    void OpenLink(const QUrl &link);
    // Marks the page shown in the contents pane.
    void FollowInContents(const QUrl &page);

    std::shared_ptr<ChmFile> mFile;
    ChmFile::WindowType mType;
    QString mFileName;
    QTabWidget *mPanes = nullptr;
    QTreeWidget *mContents = nullptr;
    QListWidget *mIndex = nullptr;
    QTextBrowser *mPage = nullptr;
};

} // namespace quoxa
