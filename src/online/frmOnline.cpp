#include "online/frmOnline.h"
#include "analysis/FigureWindow.h"
#include "board/frmMain.h"
#include "engine/MoveText.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Messages.h"
#include "platform/Twips.h"
#include "settings/basMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTreeWidget>

namespace quoxa::online {

Q_LOGGING_CATEGORY(lcOnlineGame, "quoxa.online")

namespace {

QString RandomHex(int bytes)
{
    QByteArray random(bytes, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(random.data()), bytes / 4);
    return QString::fromLatin1(random.toHex());
}

QPushButton *Button(QWidget *owner, const char *name, const QString &caption, void (frmOnline::*click)())
{
    auto *button = new QPushButton(caption, owner);
    button->setObjectName(QLatin1String(name));
    QObject::connect(button, &QPushButton::clicked, owner, [owner, click] { Trap([&] { (static_cast<frmOnline *>(owner)->*click)(); }); });
    return button;
}

QLineEdit *Line(QWidget *owner, const char *name, const QString &placeholder)
{
    auto *line = new QLineEdit(owner);
    line->setObjectName(QLatin1String(name));
    line->setPlaceholderText(placeholder);
    return line;
}

} // namespace

frmOnline::frmOnline(frmMain &board) : QWidget(&board, kFigureWindow), mBoard(board)
{
    SetUpFigureWindow(this, QStringLiteral("frmOnline"), tr("Play Online"), {Px(7200), Px(7200)});
    auto *form = new QFormLayout(this);
    txtAccount = Line(this, "txtAccount", QStringLiteral("ada@example.org"));
    txtPassword = Line(this, "txtPassword", {});
    txtPassword->setEchoMode(QLineEdit::Password);
    chkRemember = new QCheckBox(tr("&Remember"), this);
    chkRemember->setObjectName(QStringLiteral("chkRemember"));
    form->addRow(tr("&Address:"), txtAccount);
    form->addRow(tr("&Password:"), txtPassword);
    form->addRow({}, chkRemember);
    cmdHost = Button(this, "cmdHost", tr("&Host a Game"), &frmOnline::cmdHost_Click);
    cmdJoin = Button(this, "cmdJoin", tr("&Join"), &frmOnline::cmdJoin_Click);
    txtInvitation = Line(this, "txtInvitation", QStringLiteral("xmpp:game@conference.example.org?join"));
    form->addRow({}, cmdHost);
    form->addRow(tr("&Invitation:"), txtInvitation);
    form->addRow({}, cmdJoin);
    txtFriend = Line(this, "txtFriend", QStringLiteral("bea@example.org"));
    cmdInvite = Button(this, "cmdInvite", tr("In&vite"), &frmOnline::cmdInvite_Click);
    form->addRow(tr("&Friend:"), txtFriend);
    form->addRow({}, cmdInvite);
    lvwSeats = FigureList(this, QStringLiteral("lvwSeats"), tr("Seats"), {tr("Name"), tr("Address"), tr("Player")});
    form->addRow(lvwSeats);
    cboLevel = new QComboBox(this);
    cboLevel->setObjectName(QStringLiteral("cboLevel"));
    for (int level = 1; level <= 5; ++level)
        cboLevel->addItem(MoveText::Level(level), level);
    cboLevel->setCurrentIndex(2);
    cmdAddComputer = Button(this, "cmdAddComputer", tr("Add &Computer"), &frmOnline::cmdAddComputer_Click);
    form->addRow(cboLevel, cmdAddComputer);
    cmdStart = Button(this, "cmdStart", tr("&Start"), &frmOnline::cmdStart_Click);
    form->addRow({}, cmdStart);
    cmdStandIn = Button(this, "cmdStandIn", tr("Computer Plays for &Them"), &frmOnline::cmdStandIn_Click);
    form->addRow({}, cmdStandIn);
    connect(lvwSeats, &QTreeWidget::currentItemChanged, this, &frmOnline::ShowControls);
    lblOnlineStatus = new QLabel(this);
    lblOnlineStatus->setObjectName(QStringLiteral("lblOnlineStatus"));
    lblOnlineStatus->setWordWrap(true);
    form->addRow(lblOnlineStatus);

    connect(txtAccount, &QLineEdit::editingFinished, this, [this] { // the password kept for it, if any
        if (txtPassword->text().isEmpty() && txtAccount->text().contains(u'@'))
            XmppLink::FindPassword(this, txtAccount->text().trimmed(), [this](const QString &password) {
                if (password.isEmpty() || !txtPassword->text().isEmpty())
                    return;
                txtPassword->setText(password);
                chkRemember->setChecked(true);
            });
    });

    mLink = new XmppLink(this);
    connect(mLink, &XmppLink::Connected, this, [this](const QString &jid) {
        // The password is kept in the desktop's keyring once the server has taken it, and only
        // when the player asks; else one kept before is forgotten.
        if (chkRemember->isChecked()) {
            XmppLink::KeepPassword(this, jid, txtPassword->text(), [](const QString &problem) {
                if (!problem.isEmpty())
                    Messages::ShowNotice(tr("Your password cannot be kept: the desktop's keyring does not answer (%1). "
                                            "Type it again next time.").arg(problem));
            });
        } else {
            XmppLink::ForgetPassword(jid);
        }
        Connected(jid);
    });
    connect(mLink, &XmppLink::Joined, this, &frmOnline::Joined);
    connect(mLink, &XmppLink::Live, this, [this](const QString &room) {
        if (room != mRoom || !mSession || !std::exchange(mReturning, false))
            return;
        mSession->CaughtUp();
        if (mSession->phase() == OnlineSession::Phase::Seating)
            Status(tr("The game's room no longer holds the game, so Quoxa cannot go back to it."));
    });
    for (const auto &[signal, present] : {std::pair(&XmppLink::OccupantArrived, true), std::pair(&XmppLink::OccupantLeft, false)})
        connect(mLink, signal, this, [this, present](const QString &room, const QString &, const QString &jid) {
            if (room == mRoom && mSession)
                mSession->SetPresent(jid, present);
        });
    connect(mLink, &XmppLink::MessageArrived, this, [this](const QString &room, const QString &, const QString &jid, const QString &payload, bool) {
        Trap([&] { Arrived(room, jid, payload); });
    });
    connect(mLink, &XmppLink::Invited, this, [this](const QString &from, const QString &room, const QString &) { Invited(from, room); });
    connect(mLink, &XmppLink::Failed, this, [this](LinkProblem, const QString &room, const QString &text) { Failed(room, text); });
    connect(mLink, &XmppLink::Disconnected, this, [this] {
        mJid.clear();
        mInRoom = false;
        ShowControls();
    });
    ShowControls();
}

void frmOnline::UseServerForTests(const QString &host, quint16 port, const QString &caFile)
{
    mHost = host;
    mPort = port;
    mLink->TrustAuthorityForTests(caFile);
}

QString frmOnline::RoomOf(const QString &invitation)
{
    QString room = invitation.trimmed();
    if (room.startsWith(u"xmpp:"))
        room = room.mid(5).section(u'?', 0, 0);
    const qsizetype at = room.indexOf(u'@');
    return at > 0 && at < room.size() - 1 && !room.contains(u' ') && !room.contains(u'/') ? room : QString();
}

void frmOnline::cmdHost_Click()
{
    const QString domain = txtAccount->text().trimmed().section(u'@', 1);
    if (domain.isEmpty())
        return Status(tr("Type your address, as ada@example.org."));
    // Rooms live on the conference service of the account's server, by its usual name.
    GoToRoom(QStringLiteral("quoxa-%1@conference.%2").arg(RandomHex(8), domain), true);
}

void frmOnline::cmdJoin_Click()
{
    const QString room = RoomOf(txtInvitation->text());
    if (room.isEmpty())
        return Status(tr("Paste the invitation, as xmpp:game@conference.example.org?join."));
    GoToRoom(room, false);
}

void frmOnline::GoToRoom(const QString &room, bool hosting)
{
    if (const OnlineSession *playing = mBoard.Online(); playing && playing->phase() == OnlineSession::Phase::Playing)
        return Status(tr("A game online is under way on the board: start a new game there to leave it."));
    if (mInRoom)
        mLink->LeaveRoom(mRoom);
    mInRoom = false;
    mRoom = room;
    mHosting = hosting;
    mSeats.clear();
    lvwSeats->clear();
    if (mSession && mSession->phase() == OnlineSession::Phase::Seating)
        delete mSession; // the session of a room left before its game began; a game begun is the board's
    mSession = nullptr;
    if (!mJid.isEmpty())
        return Connected(mJid);
    const QString account = txtAccount->text().trimmed();
    if (!account.contains(u'@'))
        return Status(tr("Type your address, as ada@example.org."));
    Status(tr("Connecting to %1...").arg(account.section(u'@', 1)));
    mLink->Connect(account, txtPassword->text(), mHost, mPort);
    ShowControls();
}

void frmOnline::Connected(const QString &jid)
{
    mJid = jid;
    const QString nick = jid.section(u'@', 0, 0); // the room's nicknames are the accounts', each its own
    if (mHosting) {
        Status(tr("Opening the game's room %1...").arg(mRoom));
        mLink->CreateRoom(mRoom, nick);
    } else {
        Status(tr("Joining %1...").arg(mRoom));
        mLink->JoinRoom(mRoom, nick);
    }
    ShowControls();
}

void frmOnline::Return(const GameRecord::SharedDice &kept)
{
    mReturn = kept;
    txtAccount->setText(kept.me);
    txtInvitation->setText(RoomUri(kept.room));
    Status(tr("Quoxa was closed during a game online: press Join to go back to it."));
    XmppLink::FindPassword(this, kept.me, [this](const QString &password) {
        if (password.isEmpty() || !txtPassword->text().isEmpty() || !mReturn)
            return;
        txtPassword->setText(password);
        chkRemember->setChecked(true);
        cmdJoin_Click();
    });
}

void frmOnline::Joined(const QString &room)
{
    if (room != mRoom)
        return;
    mInRoom = true;
    if (mReturn && mReturn->room == room && mReturn->me == mJid) { // its history brings the game back
        mHosting = mReturn->host == mJid;
        OpenSession(mReturn->host, mReturn->game);
        mSession->Resume(mReturn->chain);
        mBoard.PlayOnline(mSession); // from the first move on: none of its own while the history plays
        mReturn.reset();
        mReturning = true;
        Status(tr("Going back to the game..."));
    } else if (mHosting) {
        OpenSession(mJid, RandomHex(16));
        mSession->Join(PlayerName()); // the room's first command: it tells the copies that come in the game and its host
        AddSeat({mJid, PlayerName(), 0});
        txtInvitation->setText(RoomUri(mRoom));
        QGuiApplication::clipboard()->setText(txtInvitation->text());
        Status(tr("Your game's room is open, and its invitation copied: send it to your friends, or invite them here."));
    } else {
        Status(tr("Waiting for the host to start the game."));
    }
    ShowControls();
}

void frmOnline::Arrived(const QString &room, const QString &jid, const QString &payload)
{
    if (room != mRoom || jid.isEmpty())
        return;
    if (!mSession && !mHosting) { // the room's first command names the game and its host
        const OnlineReading reading = OnlineCommand::Read(payload.toUtf8());
        if (!reading.command)
            return;
        OpenSession(jid, reading.command->game);
        mSession->Receive(jid, payload.toUtf8());
        return mSession->Join(PlayerName());
    }
    if (mSession)
        mSession->Receive(jid, payload.toUtf8());
}

void frmOnline::OpenSession(const QString &host, const QString &gameId)
{
    mSession = new OnlineSession(mBoard.game(), mJid, host, gameId, this);
    mSession->SetRoom(mRoom);
    const QString room = mRoom;
    connect(mSession, &OnlineSession::Send, this, [this, room](const QByteArray &payload) {
        mLink->Send(room, tr("(a move in a game of Quoxa)"), QString::fromUtf8(payload));
    });
    connect(mSession, &OnlineSession::JoinAsked, this, [this](const QString &jid, const QString &name) {
        if (std::none_of(mSeats.begin(), mSeats.end(), [&](const OnlineCommand::Seat &s) { return s.jid == jid; }))
            AddSeat({jid, name, 0});
    });
    connect(mSession, &OnlineSession::Started, this, [this] {
        mBoard.PlayOnline(mSession);
        ShowSeats();
        Status(tr("The game is on."));
    });
    connect(mSession, &OnlineSession::SeatsChanged, this, [this](const QString &news) {
        ShowSeats();
        Status(news);
    });
    connect(mSession, &OnlineSession::Stopped, this, [this](const QString &message) {
        Status(message);
        Messages::ShowNotice(message);
    });
    connect(mSession, &OnlineSession::Logged, this, [](const QString &line) { qCInfo(lcOnlineGame) << line; });
    ShowControls();
}

void frmOnline::cmdInvite_Click()
{
    const QString friendAddress = txtFriend->text().trimmed();
    if (!mInRoom || !friendAddress.contains(u'@'))
        return Status(tr("Type your friend's address, as bea@example.org."));
    mLink->Invite(friendAddress, mRoom, tr("%1 invites you to a game of Quoxa.").arg(PlayerName()));
    Status(tr("%1 is invited.").arg(friendAddress));
}

void frmOnline::Invited(const QString &from, const QString &room)
{
    AskYesNo(this, tr("Play Online"), tr("%1 invites you to a game. Join?").arg(from), QMessageBox::Yes, [this, room] {
        txtInvitation->setText(RoomUri(room));
        cmdJoin_Click();
    });
}

void frmOnline::Failed(const QString &room, const QString &text)
{
    if (!room.isEmpty() && room != mRoom)
        return;
    if (room.isEmpty())
        mJid.clear();
    mInRoom = false;
    Status(text);
    ShowControls();
}

void frmOnline::Status(const QString &text)
{
    lblOnlineStatus->setText(text);
}

QString frmOnline::PlayerName() const
{
    const QString name = gstrPlayerName[0].trimmed().left(OnlineCommand::kMaxName);
    return name.isEmpty() ? mJid.section(u'@', 0, 0).left(OnlineCommand::kMaxName) : name;
}

} // namespace quoxa::online
