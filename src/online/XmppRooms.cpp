// The game's rooms on the server's multi-user chat: entering one (making and configuring it
// when asked), who is in it, its messages and their payloads, direct invitations.
#include "online/XmppSession.h"

#include <cstring>

namespace quoxa::online {

namespace {

constexpr char kMucNs[] = "http://jabber.org/protocol/muc";
constexpr char kMucUserNs[] = "http://jabber.org/protocol/muc#user";
constexpr char kMucOwnerNs[] = "http://jabber.org/protocol/muc#owner";
constexpr char kDataNs[] = "jabber:x:data";
constexpr char kConferenceNs[] = "jabber:x:conference";
constexpr char kDelayNs[] = "urn:xmpp:delay";
constexpr char kAddressNs[] = "http://jabber.org/protocol/address";
constexpr char kStanzaErrorNs[] = "urn:ietf:params:xml:ns:xmpp-stanzas";
constexpr char kHistoryAsked[] = "5000"; // a whole game of four, with every reveal and digest

// A game's room, as far as the server's form offers each setting.
struct Setting {
    const char *field;
    const char *value;
};
constexpr Setting kGameRoom[] = {
    {"muc#roomconfig_whois", "anyone"},       // everyone sees the occupants' real addresses
    {"muc#roomconfig_allowinvites", "1"},     // any occupant may invite
    {"muc#roomconfig_persistentroom", "1"},   // a copy that comes back finds the room ...
    {"muc#roomconfig_historylength", kHistoryAsked}, // ... and the game in its history
    {"muc#roomconfig_publicroom", "0"},       // not listed for strangers
};

QString Text(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

QString Attribute(xmpp_stanza_t *stanza, const char *name)
{
    return Text(xmpp_stanza_get_attribute(stanza, name));
}

QString Bare(const QString &jid)
{
    return jid.section(u'/', 0, 0).toLower();
}

QString Resource(const QString &jid)
{
    const qsizetype slash = jid.indexOf(u'/');
    return slash < 0 ? QString() : jid.mid(slash + 1);
}

bool InNamespace(xmpp_stanza_t *stanza, const char *ns)
{
    const char *own = xmpp_stanza_get_ns(stanza);
    return xmpp_stanza_is_tag(stanza) && own && std::strcmp(own, ns) == 0;
}

xmpp_stanza_t *Element(xmpp_ctx_t *ctx, const char *name, const char *ns = nullptr)
{
    xmpp_stanza_t *element = xmpp_stanza_new(ctx);
    xmpp_stanza_set_name(element, name);
    if (ns)
        xmpp_stanza_set_ns(element, ns);
    return element;
}

// Adds `child` to `parent`, which takes it over.
void Adopt(xmpp_stanza_t *parent, xmpp_stanza_t *child)
{
    xmpp_stanza_add_child_ex(parent, child, 0);
}

// Why the room turned us away, from an error stanza's condition.
LinkProblem RoomProblem(xmpp_stanza_t *stanza)
{
    xmpp_stanza_t *error = xmpp_stanza_get_child_by_name(stanza, "error");
    for (xmpp_stanza_t *c = error ? xmpp_stanza_get_children(error) : nullptr; c; c = xmpp_stanza_get_next(c)) {
        if (!InNamespace(c, kStanzaErrorNs) || std::strcmp(xmpp_stanza_get_name(c), "text") == 0)
            continue;
        const QByteArray condition = xmpp_stanza_get_name(c);
        qCWarning(lcLink, "the room %s answers %s", xmpp_stanza_get_from(stanza), condition.constData());
        if (condition == "conflict")
            return LinkProblem::NickTaken;
        if (condition == "item-not-found" || condition == "gone" || condition == "remote-server-not-found" ||
            condition == "not-acceptable")
            return LinkProblem::RoomGone;
        return LinkProblem::RoomRefused;
    }
    return LinkProblem::RoomRefused;
}

} // namespace

void Session::EnterRoom(const LinkRequest &request, bool create)
{
    if (!Online("a room's presence"))
        return;
    const QString room = request.room.toLower();
    mRooms[room] = Room{.nick = request.nick, .creating = create};
    xmpp_stanza_t *presence = xmpp_presence_new(mCtx);
    xmpp_stanza_set_to(presence, (room + u'/' + request.nick).toUtf8().constData());
    xmpp_stanza_t *muc = Element(mCtx, "x", kMucNs);
    xmpp_stanza_t *history = Element(mCtx, "history");
    xmpp_stanza_set_attribute(history, "maxstanzas", kHistoryAsked);
    Adopt(muc, history);
    Adopt(presence, muc);
    Send(presence);
}

void Session::LeaveRoom(const QString &room)
{
    const auto it = mRooms.constFind(room);
    if (it == mRooms.cend() || !Online("leaving a room"))
        return;
    xmpp_stanza_t *presence = xmpp_presence_new(mCtx);
    xmpp_stanza_set_type(presence, "unavailable");
    xmpp_stanza_set_to(presence, (room + u'/' + it->nick).toUtf8().constData());
    mRooms.erase(it);
    Send(presence);
}

void Session::SendPayload(const LinkRequest &request)
{
    const QString room = request.room.toLower();
    if (!Online("a message"))
        return;
    if (!mRooms.contains(room)) {
        qCWarning(lcLink, "not in the room %s: the message is not sent", qUtf8Printable(room));
        return;
    }
    xmpp_stanza_t *payload = xmpp_stanza_new_from_string(mCtx, request.payload.toUtf8().constData());
    if (payload && !xmpp_stanza_get_ns(payload))
        xmpp_stanza_set_ns(payload, kPayloadNamespace);
    if (!payload || !InNamespace(payload, kPayloadNamespace)) {
        qCWarning(lcLink, "not one element in the game's namespace, not sent: %s", qUtf8Printable(request.payload.left(200)));
        if (payload)
            xmpp_stanza_release(payload);
        return;
    }
    char *id = xmpp_uuid_gen(mCtx);
    xmpp_stanza_t *message = xmpp_message_new(mCtx, "groupchat", room.toUtf8().constData(), id);
    xmpp_free(mCtx, id);
    xmpp_message_set_body(message, request.text.toUtf8().constData());
    Adopt(message, payload);
    Send(message);
}

void Session::Invite(const LinkRequest &request)
{
    if (!Online("an invitation"))
        return;
    char *id = xmpp_uuid_gen(mCtx);
    xmpp_stanza_t *message = xmpp_message_new(mCtx, nullptr, request.jid.toUtf8().constData(), id);
    xmpp_free(mCtx, id);
    xmpp_message_set_body(message, (request.text + u' ' + RoomUri(request.room)).toUtf8().constData());
    xmpp_stanza_t *invitation = Element(mCtx, "x", kConferenceNs);
    xmpp_stanza_set_attribute(invitation, "jid", request.room.toUtf8().constData());
    xmpp_stanza_set_attribute(invitation, "reason", request.text.toUtf8().constData());
    Adopt(message, invitation);
    Send(message);
}

int Session::OnPresence(xmpp_conn_t *, xmpp_stanza_t *stanza, void *self)
{
    static_cast<Session *>(self)->Presence(stanza);
    return 1; // keep listening
}

int Session::OnMessage(xmpp_conn_t *, xmpp_stanza_t *stanza, void *self)
{
    static_cast<Session *>(self)->Message(stanza);
    return 1;
}

void Session::Presence(xmpp_stanza_t *stanza)
{
    const QString from = Attribute(stanza, "from");
    const QString roomName = Bare(from);
    const auto it = mRooms.find(roomName);
    if (it == mRooms.end())
        return; // a contact's presence, or a room we are not in
    Room &room = *it;
    const QString nick = Resource(from);
    const QString type = Attribute(stanza, "type");
    if (type == u"error") {
        if (!room.joined) {
            const LinkProblem problem = RoomProblem(stanza);
            mRooms.erase(it);
            Fail(problem, roomName);
        }
        return;
    }
    xmpp_stanza_t *user = xmpp_stanza_get_child_by_ns(stanza, kMucUserNs);
    xmpp_stanza_t *item = user ? xmpp_stanza_get_child_by_name(user, "item") : nullptr;
    const QString jid = item ? Bare(Attribute(item, "jid")) : QString();
    QList<int> codes;
    for (xmpp_stanza_t *c = user ? xmpp_stanza_get_children(user) : nullptr; c; c = xmpp_stanza_get_next(c)) {
        if (xmpp_stanza_is_tag(c) && std::strcmp(xmpp_stanza_get_name(c), "status") == 0)
            codes << Attribute(c, "code").toInt();
    }
    const bool self = codes.contains(110) || nick == room.nick;
    if (type == u"unavailable") {
        if (self) {
            const bool destroyed = user && xmpp_stanza_get_child_by_name(user, "destroy");
            mRooms.erase(it);
            Fail(destroyed ? LinkProblem::RoomGone : LinkProblem::RoomRefused, roomName); // destroyed, or put out
        } else if (room.occupants.contains(nick)) {
            const QString known = room.occupants.take(nick);
            Emit({.kind = LinkEvent::Kind::Left, .room = roomName, .nick = nick, .jid = jid.isEmpty() ? known : jid});
        }
        return;
    }
    const bool arrived = !room.occupants.contains(nick);
    room.occupants.insert(nick, jid);
    if (!self) {
        if (arrived)
            Emit({.kind = LinkEvent::Kind::Arrived, .room = roomName, .nick = nick, .jid = jid});
    } else if (!room.joined && codes.contains(201)) { // a new room, locked until its owner configures it
        if (room.creating) {
            AskConfigForm(roomName);
        } else { // the room to join does not exist: leaving the new one removes it again
            LeaveRoom(roomName);
            Fail(LinkProblem::RoomGone, roomName);
        }
    } else if (!room.joined) {
        room.joined = true;
        Emit({.kind = LinkEvent::Kind::Joined, .room = roomName});
    }
}

void Session::Message(xmpp_stanza_t *stanza)
{
    const QString from = Attribute(stanza, "from");
    if (xmpp_stanza_t *invitation = xmpp_stanza_get_child_by_name_and_ns(stanza, "x", kConferenceNs)) {
        const QString room = Bare(Attribute(invitation, "jid"));
        if (!room.isEmpty())
            Emit({.kind = LinkEvent::Kind::Invited, .room = room, .jid = Bare(from), .text = Attribute(invitation, "reason")});
        return;
    }
    const QString roomName = Bare(from);
    const auto it = mRooms.find(roomName);
    if (it == mRooms.end())
        return;
    const QString type = Attribute(stanza, "type");
    if (type == u"error") {
        if (const LinkProblem problem = RoomProblem(stanza); problem == LinkProblem::RoomGone) {
            mRooms.erase(it);
            Fail(problem, roomName);
        }
        return;
    }
    const QString nick = Resource(from);
    if (type != u"groupchat")
        return;
    if (xmpp_stanza_get_child_by_name(stanza, "subject") && !xmpp_stanza_get_child_by_name(stanza, "body")) {
        if (!std::exchange(it->subjectSeen, true)) // what follows is live
            Emit({.kind = LinkEvent::Kind::Live, .room = roomName});
        return;
    }
    xmpp_stanza_t *payload = xmpp_stanza_get_children(stanza);
    while (payload && !InNamespace(payload, kPayloadNamespace))
        payload = xmpp_stanza_get_next(payload);
    if (nick.isEmpty() || !payload)
        return; // the room's own notices, and plain chat
    char *xml = nullptr;
    size_t size = 0;
    if (xmpp_stanza_to_text(payload, &xml, &size) != XMPP_EOK)
        return;
    const QString text = QString::fromUtf8(xml, qsizetype(size));
    xmpp_free(mCtx, xml);
    if (size > size_t(kMaxPayloadBytes)) {
        qCWarning(lcLink, "dropped a payload of %zu bytes from %s", size, qUtf8Printable(from));
        return;
    }
    // History comes before the subject, and the room marks it as delayed; a live message
    // cannot pass for history by carrying a delay of its own.
    const bool history = !it->subjectSeen && xmpp_stanza_get_child_by_name_and_ns(stanza, "delay", kDelayNs);
    QString jid = it->occupants.value(nick);
    if (jid.isEmpty() && history) { // someone no longer here: the room may say who it was
        xmpp_stanza_t *addresses = xmpp_stanza_get_child_by_name_and_ns(stanza, "addresses", kAddressNs);
        for (xmpp_stanza_t *a = addresses ? xmpp_stanza_get_children(addresses) : nullptr; a; a = xmpp_stanza_get_next(a)) {
            if (xmpp_stanza_is_tag(a) && Attribute(a, "type") == u"ofrom")
                jid = Bare(Attribute(a, "jid"));
        }
    }
    Emit({.kind = LinkEvent::Kind::Message, .room = roomName, .nick = nick, .jid = jid, .text = text, .fromHistory = history});
}

void Session::AskConfigForm(const QString &room)
{
    char *id = xmpp_uuid_gen(mCtx);
    xmpp_stanza_t *iq = xmpp_iq_new(mCtx, "get", id);
    xmpp_id_handler_add(mConn, &Session::OnConfigForm, id, this);
    xmpp_free(mCtx, id);
    xmpp_stanza_set_to(iq, room.toUtf8().constData());
    Adopt(iq, Element(mCtx, "query", kMucOwnerNs));
    Send(iq);
}

int Session::OnConfigForm(xmpp_conn_t *, xmpp_stanza_t *stanza, void *self)
{
    static_cast<Session *>(self)->SubmitConfigForm(stanza);
    return 0; // one answer
}

int Session::OnConfigured(xmpp_conn_t *, xmpp_stanza_t *stanza, void *self)
{
    static_cast<Session *>(self)->Configured(stanza);
    return 0;
}

// Fills in the server's form with a game room's settings and sends it back.
void Session::SubmitConfigForm(xmpp_stanza_t *reply)
{
    const QString room = Bare(Attribute(reply, "from"));
    xmpp_stanza_t *query = xmpp_stanza_get_child_by_name_and_ns(reply, "query", kMucOwnerNs);
    xmpp_stanza_t *form = query ? xmpp_stanza_get_child_by_name_and_ns(query, "x", kDataNs) : nullptr;
    if (Attribute(reply, "type") != u"result" || !form || !mRooms.contains(room)) {
        Configured(reply); // an error: the room is refused
        return;
    }
    xmpp_stanza_t *submit = Element(mCtx, "x", kDataNs);
    xmpp_stanza_set_type(submit, "submit");
    for (xmpp_stanza_t *field = xmpp_stanza_get_children(form); field; field = xmpp_stanza_get_next(field)) {
        const QByteArray var = xmpp_stanza_is_tag(field) ? QByteArray(xmpp_stanza_get_attribute(field, "var")) : QByteArray();
        const char *answer = var == "FORM_TYPE" ? "http://jabber.org/protocol/muc#roomconfig" : nullptr;
        for (const Setting &setting : kGameRoom)
            answer = var == setting.field ? setting.value : answer;
        if (!answer)
            continue; // the server's choice
        xmpp_stanza_t *answered = Element(mCtx, "field");
        xmpp_stanza_set_attribute(answered, "var", var.constData());
        xmpp_stanza_t *value = Element(mCtx, "value");
        xmpp_stanza_t *text = xmpp_stanza_new(mCtx);
        xmpp_stanza_set_text(text, answer);
        Adopt(value, text);
        Adopt(answered, value);
        Adopt(submit, answered);
    }
    char *id = xmpp_uuid_gen(mCtx);
    xmpp_stanza_t *iq = xmpp_iq_new(mCtx, "set", id);
    xmpp_id_handler_add(mConn, &Session::OnConfigured, id, this);
    xmpp_free(mCtx, id);
    xmpp_stanza_set_to(iq, room.toUtf8().constData());
    xmpp_stanza_t *owner = Element(mCtx, "query", kMucOwnerNs);
    Adopt(owner, submit);
    Adopt(iq, owner);
    Send(iq);
}

void Session::Configured(xmpp_stanza_t *result)
{
    const QString room = Bare(Attribute(result, "from"));
    const auto it = mRooms.find(room);
    if (it == mRooms.end())
        return;
    if (Attribute(result, "type") == u"result") {
        it->joined = true;
        Emit({.kind = LinkEvent::Kind::Joined, .room = room});
    } else {
        LeaveRoom(room);
        Fail(LinkProblem::RoomRefused, room);
    }
}

} // namespace quoxa::online
