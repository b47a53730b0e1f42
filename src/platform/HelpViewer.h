#pragma once
// Our viewer for the game's compiled HTML Help file: a window with a contents pane, an
// index pane and the page, reading the file through chmlib.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

struct chmFile;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace quoxa {

// One compiled help file, open for reading.
class ChmFile {
public:
    explicit ChmFile(const QString &path);
    ~ChmFile();
    ChmFile(const ChmFile &) = delete;
    ChmFile &operator=(const ChmFile &) = delete;

    bool isOpen() const { return mFile != nullptr; }
    // An object by its path inside the file ("/html/welcome.htm"), matched without regard
    // to case; the path as the file spells it comes back in `stored`.
    std::optional<QByteArray> Read(const QString &path, QString *stored = nullptr) const;

    // A window type the file defines: its caption, contents, index and home page.
    struct WindowType {
        QString caption, contents, index, home;
    };
    std::optional<WindowType> FindWindowType(const QString &name) const;

private:
    chmFile *mFile = nullptr;
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
    std::shared_ptr<ChmFile> mFile;
    ChmFile::WindowType mType;
    QString mFileName;
    QTabWidget *mPanes = nullptr;
    QTreeWidget *mContents = nullptr;
    QListWidget *mIndex = nullptr;
    QTextBrowser *mPage = nullptr;
};

} // namespace quoxa
