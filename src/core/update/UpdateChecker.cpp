#include "core/update/UpdateChecker.h"

#include "core/app/BuildInfo.h"
#include "core/app/ProgramVersion.h"
#include "core/update/LeadingNumber.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// What a fetched document says against the comparison number.
UpdateChecker::Outcome judge(QStringView document, int comparisonNumber)
{
    // Both sides compare as doubles: a published "6.5" is newer than 6.
    return leadingNumber(document) > double(comparisonNumber) ? UpdateChecker::Outcome::NewVersion
                                                              : UpdateChecker::Outcome::CurrentVersion;
}

} // namespace

UpdateChecker::UpdateChecker(QUrl documentUrl, std::chrono::milliseconds deadline, qint64 bodyCap, QObject *parent)
    : QObject(parent)
    , m_url(std::move(documentUrl))
    , m_deadline(deadline)
    , m_bodyCap(bodyCap)
{
    m_deadlineTimer.setSingleShot(true);
    connect(&m_deadlineTimer, &QTimer::timeout, this, [this] { finish(Outcome::Failed); });
}

UpdateChecker::~UpdateChecker()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

QUrl UpdateChecker::builtInDocumentUrl()
{
    QUrl url;
    url.setScheme(u"http"_s);
    url.setHost(QString::fromUtf8(BuildInfo::updateHost));
    url.setPath(u"/version.txt"_s);
    return url;
}

void UpdateChecker::start()
{
    if (m_reply)
        return;
    m_body.clear();

    QNetworkRequest request(m_url);
    // Every check asks the server afresh, and the server learns nothing it could recognise us by.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    // Each redirect is vetted in onRedirected.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);

    // Made on the first check, so a main window that never checks never pays for it.
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::redirected, this, &UpdateChecker::onRedirected);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &UpdateChecker::onMetaDataChanged);
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateChecker::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateChecker::onReplyFinished);
    // Qt's own transfer time-out only notices silence and restarts on a redirect; this one bounds the whole check.
    m_deadlineTimer.start(m_deadline);
}

void UpdateChecker::onRedirected(const QUrl &target)
{
    const bool sameServer = target.scheme().compare(m_url.scheme(), Qt::CaseInsensitive) == 0
                            && target.host().compare(m_url.host(), Qt::CaseInsensitive) == 0;
    if (!sameServer) {
        finish(Outcome::Failed);
        return;
    }
    emit m_reply->redirectAllowed();
}

void UpdateChecker::onMetaDataChanged()
{
    // A declared length over the cap fails before the body arrives.
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > m_bodyCap)
        finish(Outcome::Failed);
}

void UpdateChecker::onReadyRead()
{
    m_body += m_reply->read(m_bodyCap + 1 - m_body.size());
    if (m_body.size() > m_bodyCap)
        finish(Outcome::Failed);
}

void UpdateChecker::onReplyFinished()
{
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        finish(Outcome::Failed);
        return;
    }
    onReadyRead();
    if (!m_reply)
        return;
    // The document is 8-bit text; only its leading number matters.
    finish(judge(QString::fromLatin1(m_body), ProgramVersion::current().comparisonNumber()));
}

void UpdateChecker::finish(Outcome outcome)
{
    QNetworkReply *reply = std::exchange(m_reply, nullptr);
    m_deadlineTimer.stop();
    reply->disconnect(this);
    reply->abort(); // closes the connection unless the transfer has already ended
    reply->deleteLater();
    m_body.clear();
    emit finished(outcome);
}
