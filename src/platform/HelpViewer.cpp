#include "platform/HelpViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtEndian>
#include <chm_lib.h>

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
        setOpenExternalLinks(true);
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

private:
    std::shared_ptr<ChmFile> mFile;
};

} // namespace

// Only a regular file is read: a pipe or a device in its place would hold the game up.
ChmFile::ChmFile(const QString &path)
    : mFile(QFileInfo(path).isFile() ? chm_open(QFile::encodeName(path).constData()) : nullptr)
{
}

ChmFile::~ChmFile()
{
    if (mFile)
        chm_close(mFile);
}

std::optional<QByteArray> ChmFile::Read(const QString &path, QString *stored) const
{
    chmUnitInfo unit{};
    if (!mFile || chm_resolve_object(mFile, path.toUtf8().constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (unit.length > 16 * 1024 * 1024)
        return std::nullopt; // no page of ours is anywhere near this
    QByteArray data(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    const LONGINT64 got = chm_retrieve_object(mFile, &unit, reinterpret_cast<unsigned char *>(data.data()), 0,
                                              static_cast<LONGINT64>(unit.length));
    if (got != static_cast<LONGINT64>(unit.length))
        return std::nullopt;
    if (stored)
        *stored = QString::fromUtf8(unit.path);
    return data;
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
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(type.caption);
    if (owner)
        setWindowIcon(owner->windowIcon());
    resize(720, 520);

    auto *splitter = new QSplitter(this);
    mPanes = new QTabWidget(splitter);
    mContents = new QTreeWidget;
    mContents->setObjectName(QStringLiteral("contents"));
    mContents->setHeaderHidden(true);
    mIndex = new QListWidget;
    mIndex->setObjectName(QStringLiteral("index"));
    mPanes->addTab(mContents, QStringLiteral("Contents"));
    mPanes->addTab(mIndex, QStringLiteral("Index"));
    mPage = new ChmBrowser(splitter, mFile);
    mPage->setObjectName(QStringLiteral("page"));
    splitter->setSizes({200, 520});
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    std::vector<QTreeWidgetItem *> parents;
    for (const SitemapEntry &entry : ParseSitemap(mFile->Read(Absolute(type.contents)).value_or(QByteArray()))) {
        parents.resize(static_cast<std::size_t>(std::min<qsizetype>(entry.depth, static_cast<qsizetype>(parents.size()))));
        auto *item = parents.empty() ? new QTreeWidgetItem(mContents, {entry.name})
                                     : new QTreeWidgetItem(parents.back(), {entry.name});
        item->setData(0, Qt::UserRole, entry.local);
        parents.push_back(item);
    }
    mContents->expandAll();
    for (const SitemapEntry &entry : ParseSitemap(mFile->Read(Absolute(type.index)).value_or(QByteArray()))) {
        auto *item = new QListWidgetItem(entry.name, mIndex);
        item->setData(Qt::UserRole, entry.local);
    }
    connect(mContents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { ShowPage(item->data(0, Qt::UserRole).toString()); });
    connect(mIndex, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { ShowPage(item->data(Qt::UserRole).toString()); });
    connect(mIndex, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { ShowPage(item->data(Qt::UserRole).toString()); });
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

QString HelpViewer::currentPage() const
{
    return mPage->source().path();
}

} // namespace quoxa
