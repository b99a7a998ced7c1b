// One running copy of the program per user.
//
// The copy that runs holds a lock file and listens on a local socket, both in a folder only the
// user can reach. A copy started later finds the lock taken, connects to the socket and asks the
// running copy to bring its main window (or its open dialog) to the front, then ends.
//
// A lock left by a copy that crashed names a process that no longer runs and is taken over; a
// socket left behind is replaced by the copy that holds the lock. When the lock is taken but
// nobody answers on the socket for a while (a copy that died before it could listen, a lock file
// cut short), the lock is taken over too. Two copies started together both try the lock; one
// wins, and the other waits until the winner listens and then asks it to come forward.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

namespace orvane {

// How long a starting copy keeps trying.
struct SingleInstanceTiming {
    int giveUpMs = 5000;         // after this, run without the lock rather than not at all
    int takeOverAfterMs = 2000;  // a lock whose holder never answers this long is stale
    int retryMs = 20;
};

class SingleInstance {
  public:
    enum class Outcome {
        First,     // this is the running copy now (or the rule cannot be kept here)
        Forwarded  // another copy runs and was asked to come forward
    };

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
    bool holdsLock() const { return lock_ != nullptr; }

    QString lockPath() const;
    QString socketPath() const;

    // The user's private runtime folder: $XDG_RUNTIME_DIR when it is a folder of this user that
    // nobody else can reach, else a folder of our own under the temporary folder, made for this
    // user only. Empty when neither can be had safely.
    static QString userRuntimeFolder();
    // Whether the folder is a real folder (no symbolic link) owned by this user and closed to
    // everyone else.
    static bool privateFolder(const QString& folder);

  private:
    bool listen();
    bool askToComeForward(bool waitForAnswer);

    QString folder_;
    std::function<void()> bringForward_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace orvane
