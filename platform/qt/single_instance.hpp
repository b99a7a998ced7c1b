// One running copy of the program per user.
//
// The copy that runs holds an advisory lock on a lock file and listens on a Unix-domain socket
// beside it, both in a folder only the user can reach. A copy started later finds the lock taken,
// connects to the socket and asks the running copy to bring its main window (or its open dialog)
// to the front, then ends.
//
// The lock belongs to the process, not to the file: the system lets it go when the copy that held
// it ends in any way, so the lock file and the socket that a crashed copy left behind are taken
// over at once by the next copy. Copies started together all try the lock; one wins and listens,
// the others keep asking until it answers. A client of the socket is served only when it is this
// user's and asks in one short line; one that sends anything else, too much, or nothing within a
// few seconds is dropped, and a failure to accept a client (no descriptors left) only pauses the
// listening for a moment. When the rule cannot be kept (no private folder, no lock, no socket),
// the program says so on its error output and runs all the same.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

class QSocketNotifier;

namespace orvane {

struct SingleInstanceTiming {
    int giveUpMs = 5000;        // a running copy that never answers: run without the rule then
    int retryMs = 20;           // between two tries of the lock and the socket
    int silentClientMs = 2000;  // a client that has not asked within this is dropped
};

class SingleInstance {
  public:
    enum class Outcome {
        First,     // this is the running copy now (or the rule cannot be kept here)
        Forwarded  // another copy runs and was asked to come forward
    };

    // The longest request or answer a client or the running copy sends, line end included.
    static constexpr int kLongestLine = 64;
    // Clients served at once; one more is turned away at once and tries again.
    static constexpr int kMostClients = 8;

    // folder: where the lock and the socket live; empty: the rule is not kept. bringForward runs
    // in the running copy when another copy asks.
    SingleInstance(QString folder, std::function<void()> bringForward);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Becomes the running copy, or asks the running copy to come forward. waitForAnswer: wait
    // until the running copy confirms (a copy in another process); without it the request is
    // only delivered (the running copy may be this very process, busy until we return).
    Outcome claim(bool waitForAnswer = true, SingleInstanceTiming timing = {});
    // Gives up the lock and the socket (the program ended).
    void release();
    bool holdsLock() const { return lockFd_ >= 0; }
    bool listening() const { return listenFd_ >= 0; }
    int clientCount() const { return static_cast<int>(clients_.size()); }

    QString lockPath() const;
    QString socketPath() const;

    // The user's private runtime folder: $XDG_RUNTIME_DIR when it is a folder of this user that
    // nobody else can reach, else orvane in the user's cache folder ($XDG_CACHE_HOME, else
    // ~/.cache), made for this user only. Never a folder of a predictable name in a folder that
    // others can write to. Empty when none can be had safely.
    static QString userRuntimeFolder();
    // The same choice from given values of the variables (empty: unset).
    static QString runtimeFolderFrom(const QString& runtimeDir, const QString& cacheHome,
                                     const QString& home);
    // Whether the folder is a real folder (no symbolic link) owned by this user and closed to
    // everyone else.
    static bool privateFolder(const QString& folder);

  private:
    struct Client;
    bool listen();
    void acceptClients();
    void readClient(Client& client);
    void dropClient(Client& client);
    void dropSilentClients();
    bool askToComeForward(bool waitForAnswer);
    void runWithoutTheRule(const QString& why);

    QString folder_;
    std::function<void()> bringForward_;
    SingleInstanceTiming timing_;
    int lockFd_ = -1;
    int listenFd_ = -1;
    std::unique_ptr<QSocketNotifier> listenNotifier_;
    QTimer acceptPause_;  // listening paused after a failed accept
    QTimer sweep_;        // drops clients that stay silent
    std::vector<std::unique_ptr<Client>> clients_;
};

}  // namespace orvane
