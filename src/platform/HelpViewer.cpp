#include "platform/HelpViewer.h"
#include "platform/Announce.h"
#include "platform/DesignControls.h"
#include "platform/Pictures.h"
#include "platform/ProgramFiles.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <QtEndian>
#include <algorithm>

namespace quoxa {
namespace {

constexpr auto kScheme = "chm";

QString Absolute(QString local)
{
    return local.startsWith(QLatin1Char('/')) ? local : QLatin1Char('/') + local;
}

// The viewer's page browser reads every page, style sheet and picture from the file.
class ChmBrowser : public QTextBrowser {
public:
    ChmBrowser(QWidget *parent, std::shared_ptr<ChmFile> file) : QTextBrowser(parent), mFile(std::move(file))
    {
        setOpenLinks(false); // the viewer follows them
        // A caret the arrow keys move, line by line, for a screen reader to read the page by.
        setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByKeyboard);
    }

    QVariant loadResource(int type, const QUrl &url) override
    {
        if (url.scheme() != QLatin1String(kScheme))
            return QTextBrowser::loadResource(type, url);
        const std::optional<QByteArray> data = mFile->Read(url.path());
        if (!data)
            return {};
        if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
            return QString::fromUtf8(*data);
        return *data;
    }

protected:
    // A link reached with Tab is told to a screen reader, which does not read a page's links.
    bool focusNextPrevChild(bool next) override
    {
        const bool moved = QTextBrowser::focusNextPrevChild(next);
        if (moved && textCursor().hasSelection())
            Announce(window(), HelpViewer::tr("Link: %1").arg(textCursor().selectedText()));
        return moved;
    }

private:
    std::shared_ptr<ChmFile> mFile;
};

} // namespace

// Only a regular file is handed to the reader: a pipe or a device in its place would hold
// it up until the time limit.
ChmFile::ChmFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return;
    QProcess reader;
    reader.start(ProgramFile(QStringLiteral("quoxa-help-reader"), QStringLiteral(QUOXA_INSTALLED_HELP_READER)), {path},
                 QIODevice::ReadOnly);
    if (!reader.waitForFinished(kReaderTimeLimitMs)) {
        reader.kill();
        reader.waitForFinished();
        return;
    }
    mOpen = reader.exitStatus() == QProcess::NormalExit && reader.exitCode() == 0 && Parse(reader.readAllStandardOutput());
}

// The reader's output: each stored file as its path, a NUL, its length in decimal and a
// line feed, then its bytes.
bool ChmFile::Parse(const QByteArray &output)
{
    qsizetype at = 0;
    while (at < output.size()) {
        const qsizetype nul = output.indexOf('\0', at);
        const qsizetype feed = nul < 0 ? -1 : output.indexOf('\n', nul);
        if (feed < 0)
            return false;
        bool ok = false;
        const qsizetype length = output.mid(nul + 1, feed - nul - 1).toLongLong(&ok);
        if (!ok || length < 0 || length > output.size() - feed - 1)
            return false;
        const QString path = QString::fromUtf8(output.constData() + at, nul - at);
        mObjects.insert(path.toLower(), {path, output.mid(feed + 1, length)});
        at = feed + 1 + length;
    }
    return true;
}

std::optional<QByteArray> ChmFile::Read(const QString &path, QString *stored) const
{
    const auto found = mObjects.constFind(path.toLower());
    if (found == mObjects.cend())
        return std::nullopt;
    if (stored)
        *stored = found->path;
    return found->data;
}

std::optional<ChmFile::WindowType> ChmFile::FindWindowType(const QString &name) const
{
    // #WINDOWS holds a count, the size of an entry, then the entries; their texts are
    // offsets into #STRINGS.
    const std::optional<QByteArray> windows = Read(QStringLiteral("/#WINDOWS"));
    const std::optional<QByteArray> strings = Read(QStringLiteral("/#STRINGS"));
    if (!windows || !strings || windows->size() < 8)
        return std::nullopt;
    const auto dword = [&](qsizetype at) { return qFromLittleEndian<quint32>(windows->constData() + at); };
    const auto text = [&](quint32 offset) {
        return offset < static_cast<quint32>(strings->size()) ? QString::fromUtf8(strings->constData() + offset)
                                                              : QString();
    };
    const quint32 count = dword(0), size = dword(4);
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype entry = 8 + static_cast<qsizetype>(i) * size;
        if (size < 0x70 || entry + 0x70 > windows->size())
            break;
        if (text(dword(entry + 0x08)).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        return WindowType{text(dword(entry + 0x14)), text(dword(entry + 0x60)), text(dword(entry + 0x64)),
                          text(dword(entry + 0x6C))};
    }
    return std::nullopt;
}

QList<SitemapEntry> ParseSitemap(const QByteArray &html)
{
    static const QRegularExpression token(
        QStringLiteral(R"(<\s*(/?)\s*ul\b[^>]*>|<object[^>]*text/sitemap[^>]*>(.*?)</object>)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression param(QStringLiteral(R"re(<param\s+name\s*=\s*"([^"]*)"\s+value\s*=\s*"([^"]*)")re"),
                                          QRegularExpression::CaseInsensitiveOption);
    QList<SitemapEntry> entries;
    int depth = -1;
    for (const QRegularExpressionMatch &match : token.globalMatch(QString::fromUtf8(html))) {
        if (match.capturedLength(2) == 0 && !match.captured(0).contains(QLatin1String("object"), Qt::CaseInsensitive)) {
            depth += match.captured(1).isEmpty() ? 1 : -1;
            continue;
        }
        SitemapEntry entry{QString(), QString(), std::max(depth, 0)};
        for (const QRegularExpressionMatch &p : param.globalMatch(match.captured(2))) {
            if (p.captured(1).compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0 && entry.name.isEmpty())
                entry.name = p.captured(2);
            else if (p.captured(1).compare(QLatin1String("Local"), Qt::CaseInsensitive) == 0 && entry.local.isEmpty())
                entry.local = p.captured(2);
        }
        if (!entry.name.isEmpty())
            entries << entry;
    }
    return entries;
}

HelpViewer::HelpViewer(QWidget *owner, std::shared_ptr<ChmFile> file, const ChmFile::WindowType &type)
    : QWidget(owner, Qt::Window), mFile(std::move(file)), mType(type)
{
    setObjectName(QStringLiteral("HelpViewer"));
    UseDesignColours(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(type.caption);
    if (owner)
        setWindowIcon(owner->windowIcon());

    auto *bar = new QToolBar(this);
    auto *splitter = new QSplitter(this);
    mPanes = new QTabWidget(splitter);
    mContents = new QTreeWidget;
    mContents->setObjectName(QStringLiteral("contents"));
    mContents->setHeaderHidden(true);
    mIndex = new QListWidget;
    mIndex->setObjectName(QStringLiteral("index"));
    mPanes->addTab(mContents, tr("Contents"));
    mPanes->addTab(mIndex, tr("Index"));
    for (int pane = 0; pane < mPanes->count(); ++pane)
        mPanes->widget(pane)->setAccessibleName(mPanes->tabText(pane));
    mPage = new ChmBrowser(splitter, mFile);
    mPage->setObjectName(QStringLiteral("page"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(splitter);

    // Back and Forward through the pages shown, from the buttons or Alt+Left and Alt+Right.
    const struct {
        const char *name, *caption; // the caption, in English, names the picture too
        QKeySequence::StandardKey key;
        void (QTextBrowser::*go)();
        void (QTextBrowser::*available)(bool);
    } moves[] = {{"back", QT_TR_NOOP("Back"), QKeySequence::Back, &QTextBrowser::backward, &QTextBrowser::backwardAvailable},
                 {"forward", QT_TR_NOOP("Forward"), QKeySequence::Forward, &QTextBrowser::forward,
                  &QTextBrowser::forwardAvailable}};
    for (const auto &move : moves) {
        QAction *action = bar->addAction(LoadToolBarImage(QString::fromLatin1(move.caption)), tr(move.caption));
        action->setObjectName(QString::fromLatin1(move.name));
        action->setShortcut(move.key);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(false);
        connect(action, &QAction::triggered, mPage, move.go);
        connect(mPage, move.available, action, &QAction::setEnabled);
    }
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    std::vector<QTreeWidgetItem *> parents;
    for (const SitemapEntry &entry : ParseSitemap(mFile->Read(Absolute(type.contents)).value_or(QByteArray()))) {
        parents.resize(static_cast<std::size_t>(std::min<qsizetype>(entry.depth, static_cast<qsizetype>(parents.size()))));
        auto *item = parents.empty() ? new QTreeWidgetItem(mContents, {entry.name})
                                     : new QTreeWidgetItem(parents.back(), {entry.name});
        item->setData(0, Qt::UserRole, entry.local);
        parents.push_back(item);
    }
    // Every title with titles under it opened out; not the others, which a reader would call
    // opened out too (the tree's own "expand all" marks every title).
    for (QTreeWidgetItemIterator it(mContents, QTreeWidgetItemIterator::HasChildren); *it; ++it)
        (*it)->setExpanded(true);
    for (const SitemapEntry &entry : ParseSitemap(mFile->Read(Absolute(type.index)).value_or(QByteArray()))) {
        auto *item = new QListWidgetItem(entry.name, mIndex);
        item->setData(Qt::UserRole, entry.local);
    }
    // The panes as wide as their widest title, in every language (within reason: the page
    // keeps the most room), and the page beside them as wide as ever.
    int widest = 0;
    for (const QAbstractItemView *pane : {static_cast<QAbstractItemView *>(mContents), static_cast<QAbstractItemView *>(mIndex)})
        widest = std::max(widest, pane->sizeHintForColumn(0) + 2 * pane->frameWidth());
    const int panes = std::clamp(widest + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16, 200, 360);
    splitter->setSizes({panes, 520});
    splitter->setStretchFactor(1, 1); // a narrower window narrows the page, the titles stay whole
    SizeWithinScreen(this, {panes + 520, 520}, owner);
    // A contents entry opens its page as soon as it is chosen, by mouse or arrow keys; an
    // index entry on a click, or on Return.
    connect(mContents, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (item)
            ShowPage(item->data(0, Qt::UserRole).toString());
    });
    connect(mContents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { ShowPage(item->data(0, Qt::UserRole).toString()); });
    connect(mIndex, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { ShowPage(item->data(Qt::UserRole).toString()); });
    connect(mIndex, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { ShowPage(item->data(Qt::UserRole).toString()); });
    connect(mPage, &QTextBrowser::anchorClicked, this, &HelpViewer::OpenLink);
    connect(mPage, &QTextBrowser::sourceChanged, this, &HelpViewer::FollowInContents);
    ShowPage(type.home);
}

void HelpViewer::ShowPane(Pane pane)
{
    mPanes->setCurrentIndex(pane == Pane::Contents ? 0 : 1);
}

void HelpViewer::ShowPage(const QString &local)
{
    QString stored;
    if (!mFile->Read(Absolute(local), &stored)) {
        if (local == mType.home || !mFile->Read(Absolute(mType.home), &stored))
            return;
    }
    QUrl url;
    url.setScheme(QString::fromLatin1(kScheme));
    url.setPath(stored);
    mPage->setSource(url);
}

void HelpViewer::OpenLink(const QUrl &link)
{
    const QUrl target = mPage->source().resolved(link);
    if (target.scheme() != QLatin1String(kScheme)) {
        QDesktopServices::openUrl(target);
        return;
    }
    QString stored;
    if (!mFile->Read(target.path(), &stored))
        return; // a page the file does not hold: stay where we are
    QUrl page = target;
    page.setPath(stored);
    mPage->setSource(page);
}

void HelpViewer::FollowInContents(const QUrl &page)
{
    const QString shown = page.path();
    for (QTreeWidgetItemIterator it(mContents); *it; ++it) {
        if (Absolute((*it)->data(0, Qt::UserRole).toString()).compare(shown, Qt::CaseInsensitive) == 0) {
            const QSignalBlocker quiet(mContents);
            mContents->setCurrentItem(*it);
            return;
        }
    }
}

QString HelpViewer::currentPage() const
{
    return mPage->source().path();
}

} // namespace quoxa
