#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

// Fetches the version document over HTTP and compares its leading number with the program's
// comparison number. One check at a time; the answer comes by the finished signal.
class UpdateChecker : public QObject {
    Q_OBJECT
public:
    enum class Outcome { NewVersion, CurrentVersion, Failed };
    Q_ENUM(Outcome)

    static constexpr std::chrono::milliseconds defaultDeadline{60'000};
    static constexpr qint64 defaultBodyCap = qint64{64} * 1024;

    // documentUrl: where the version document is. The deadline covers the whole check, redirects
    // and a slow body included; a body larger than bodyCap bytes is a failed transfer.
    explicit UpdateChecker(QUrl documentUrl, std::chrono::milliseconds deadline = defaultDeadline,
                           qint64 bodyCap = defaultBodyCap, QObject *parent = nullptr);
    ~UpdateChecker() override;

    // The address of the version document on the update server the program was built for.
    static QUrl builtInDocumentUrl();

    bool isRunning() const { return m_reply != nullptr; }

    // Starts a check; does nothing while one is running.
    void start();

signals:
    void finished(UpdateChecker::Outcome outcome);

private:
    void onRedirected(const QUrl &target);
    void onMetaDataChanged();
    void onReadyRead();
    void onReplyFinished();
    void finish(Outcome outcome);

    QUrl m_url;
    std::chrono::milliseconds m_deadline;
    qint64 m_bodyCap;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr; // the transfer under way, owned by m_network
    QTimer m_deadlineTimer;
    QByteArray m_body;
};
