#include "ftp/ftperrortexts.h"

#include "ftp/ftpexception.h"
#include "ftp/sockerror.h"
#include "settings/language.h"
#include "settings/messagetable.h"

#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace {

const MessageTable Table{"FTP errors"};

// English as the client throws it; Danish and German with the varying parts
// in the same order.
const Message Texts[] = {
    {Table,
     {"Host Lookup Failed", "Serverens navn kunne ikke slås op.",
      "Der Name des Servers konnte nicht aufgelöst werden."}},
    {Table,
     {"Host Lookup Timed Out", "Opslaget af serverens navn tog for lang tid.",
      "Die Auflösung des Servernamens hat zu lange gedauert."}},
    {Table,
     {"Host Lookup Canceled", "Opslaget af serverens navn blev afbrudt.",
      "Die Auflösung des Servernamens wurde abgebrochen."}},
    {Table, {"Already connected", "Der er allerede forbindelse.", "Die Verbindung besteht bereits."}},
    {Table, {"Not Connected", "Der er ingen forbindelse.", "Es besteht keine Verbindung."}},
    {Table, {"Null Remote Address", "Serverens adresse mangler.", "Die Adresse des Servers fehlt."}},
    {Table,
     {"Connection Timed out", "Forbindelsen kunne ikke oprettes i tide.",
      "Die Verbindung kam nicht rechtzeitig zustande."}},
    {Table, {"Connection Canceled", "Forbindelsen blev afbrudt.", "Der Verbindungsaufbau wurde abgebrochen."}},
    {Table,
     {"Connection Failed", "Forbindelsen kunne ikke oprettes.", "Die Verbindung konnte nicht hergestellt werden."}},
    {Table, {"Connection closed", "Serveren har lukket forbindelsen.", "Der Server hat die Verbindung geschlossen."}},
    {Table, {"Socket send aborted", "Afsendelsen blev afbrudt.", "Das Senden wurde abgebrochen."}},
    {Table, {"Socket readln aborted", "Modtagelsen blev afbrudt.", "Das Empfangen wurde abgebrochen."}},
    {Table,
     {"Error creating Data Connection", "Dataforbindelsen kunne ikke oprettes.",
      "Die Datenverbindung konnte nicht hergestellt werden."}},
    {Table,
     {"Accepting Canceled", "Ventetiden på dataforbindelsen blev afbrudt.",
      "Das Warten auf die Datenverbindung wurde abgebrochen."}},
    {Table, {"The listing is too long", "Serverens filliste er for lang.", "Die Dateiliste des Servers ist zu lang."}},
    {Table,
     {"No local file name for %1", "Der er intet lokalt filnavn til %1.", "Für %1 gibt es keinen lokalen Dateinamen."}},
    {Table, {"Cannot write %1: %2", "%1 kan ikke skrives:\n%2", "%1 kann nicht geschrieben werden:\n%2"}},
    {Table, {"Cannot read %1: %2", "%1 kan ikke læses:\n%2", "%1 kann nicht gelesen werden:\n%2"}},
    {Table,
     {"Reading the file failed: %1", "Filen kunne ikke læses:\n%1", "Die Datei konnte nicht gelesen werden:\n%1"}},
    {Table,
     {"Writing the file failed: %1", "Filen kunne ikke skrives:\n%1",
      "Die Datei konnte nicht geschrieben werden:\n%1"}},
    {Table,
     {"The server does not take UTF-8 names, and this name has a character its code page (Windows-1252) lacks",
      "Serveren tager ikke imod UTF-8-navne, og navnet har et tegn, som serverens tegnsæt (Windows-1252) ikke har.",
      "Der Server nimmt keine UTF-8-Namen an, und dieser Name enthält ein Zeichen, das seine Codepage "
      "(Windows-1252) nicht kennt."}},
    {Table,
     {"A name or command with a line break or NUL character cannot be sent",
      "Et navn eller en kommando med linjeskift eller NUL-tegn kan ikke sendes.",
      "Ein Name oder Befehl mit Zeilenumbruch oder NUL-Zeichen kann nicht gesendet werden."}},
    {Table,
     {"Encryption is not available: the TLS library (OpenSSL) could not be loaded",
      "Kryptering er ikke mulig: TLS-biblioteket (OpenSSL) kunne ikke indlæses.",
      "Verschlüsselung ist nicht möglich: Die TLS-Bibliothek (OpenSSL) konnte nicht geladen werden."}},
    {Table, {"Encryption canceled", "Krypteringen blev afbrudt.", "Die Verschlüsselung wurde abgebrochen."}},
    {Table, {"Encryption failed: %1", "Krypteringen mislykkedes:\n%1", "Die Verschlüsselung ist fehlgeschlagen:\n%1"}},
    {Table,
     {"Timed out: nothing arrived or left for %1 s", "Tiden løb ud: intet blev modtaget eller sendt i %1 s.",
      "Zeitüberschreitung: %1 s lang wurde nichts empfangen oder gesendet."}},
    {Table,
     {"Accepting Timed out: the server did not open the data connection",
      "Serveren åbnede ikke dataforbindelsen i tide.",
      "Der Server hat die Datenverbindung nicht rechtzeitig geöffnet."}},
    {Table, {"Cancelled", "Afbrudt.", "Abgebrochen."}},
    {Table,
     {"The server does not offer encryption (TLS), which this connection requires. Its answer: %1",
      "Serveren tilbyder ikke kryptering (TLS), som denne forbindelse kræver. Serverens svar:\n%1",
      "Der Server bietet keine Verschlüsselung (TLS) an, die diese Verbindung verlangt. Seine Antwort:\n%1"}},
    {Table,
     {"The server does not encrypt data connections, which this connection requires. Its answer: %1",
      "Serveren krypterer ikke dataforbindelser, som denne forbindelse kræver. Serverens svar:\n%1",
      "Der Server verschlüsselt keine Datenverbindungen, was diese Verbindung verlangt. Seine Antwort:\n%1"}},
};

// A socket error as the socket layer words it: "10061:Connection refused".
const Message SocketError{Table, {"%1", "Netværksfejl:\n%1", "Netzwerkfehler:\n%1"}};
const Message ServerReply{Table, {"%1", "Serveren svarede:\n%1", "Der Server antwortete:\n%1"}};
// What a cancelled, silent or closed connection means, whatever step it happened in.
const Message Cancelled{Table,
                        {"The operation was cancelled.", "Handlingen blev afbrudt.", "Der Vorgang wurde abgebrochen."}};
const Message TimedOut{Table,
                       {"The server did not answer in time.", "Serveren svarede ikke i tide.",
                        "Der Server hat nicht rechtzeitig geantwortet."}};
const Message Closed{Table,
                     {"The server closed the connection.", "Serveren lukkede forbindelsen.",
                      "Der Server hat die Verbindung geschlossen."}};
const Message OtherError{
    Table, {"%1", "FTP-forbindelsen meldte en fejl:\n%1", "Die FTP-Verbindung meldete einen Fehler:\n%1"}};

QRegularExpression patternOf(const QString &english)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList pieces = english.split(placeholder);
    for (QString &piece : pieces)
        piece = QRegularExpression::escape(piece);
    const QString pattern = pieces.join(QStringLiteral("(.*)"));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
}

// The translation of a known text with its varying parts filled in.
std::optional<QString> translated(const QString &message, int lang)
{
    for (const Message &t : Texts) {
        const QRegularExpressionMatch match = patternOf(QString::fromUtf8(t.en)).match(message);
        if (!match.hasMatch())
            continue;
        const QString text = t.text(lang);
        switch (match.lastCapturedIndex()) {
        case 0:
            return text;
        case 1:
            return text.arg(match.captured(1));
        default:
            return text.arg(match.captured(1), match.captured(2));
        }
    }
    return std::nullopt;
}

} // namespace

namespace FtpErrorTexts {

QString clientText(const QString &message, int lang)
{
    if (lang != Danish && lang != German)
        return message;
    if (const std::optional<QString> text = translated(message, lang))
        return *text;
    static const QRegularExpression socketError(QStringLiteral("^\\d+:"));
    return (socketError.match(message).hasMatch() ? SocketError : OtherError).text(lang).arg(message);
}

QString serverText(const QString &reply, int lang)
{
    return ServerReply.text(lang).arg(reply);
}

QString text(const std::exception &error, int lang)
{
    if (const auto *reply = dynamic_cast<const FTPException *>(&error))
        return serverText(reply->message(), lang);
    if (const auto *failure = dynamic_cast<const ESockError *>(&error)) {
        switch (failure->reason()) {
        case ESockError::Reason::Cancelled: return Cancelled.text(lang);
        case ESockError::Reason::TimedOut: return TimedOut.text(lang);
        case ESockError::Reason::Closed: return Closed.text(lang);
        case ESockError::Reason::Failed: break;
        }
    }
    return clientText(QString::fromUtf8(error.what()), lang);
}

QStringList knownTexts()
{
    QStringList texts;
    for (const Message &t : Texts)
        texts << QString::fromUtf8(t.en);
    return texts;
}

} // namespace FtpErrorTexts
