// The game's one strategy: solved on two threads in the background from when the board is
// first shown, asked for by the Hint, the computer players and the review.
#include "engine/Strategy.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <chrono>
#include <future>
#include <memory>

namespace quoxa {
namespace {

// The game's one strategy, solving in the background; it ends with the application.
class SharedStrategy : public QObject {
public:
    SharedStrategy()
        : QObject(QCoreApplication::instance()), mSolving(std::async(std::launch::async, [this] {
              auto solved = std::make_shared<const Strategy>(2, &mStop);
              QMetaObject::invokeMethod(this, &SharedStrategy::Solved, Qt::QueuedConnection);
              return solved;
          }))
    {
    }
    explicit SharedStrategy(std::shared_ptr<const Strategy> solved) : QObject(QCoreApplication::instance())
    {
        std::promise<std::shared_ptr<const Strategy>> given;
        given.set_value(std::move(solved));
        mSolving = given.get_future().share();
    }
    ~SharedStrategy() override
    {
        mStop = true;
        mSolving.wait();
        sInstance = nullptr;
    }

    // Runs what waited for best play, on the application's thread.
    void Solved()
    {
        mSolving.wait(); // handed over a moment after it was posted
        for (auto &[context, then] : std::exchange(mWaiting, {}))
            if (context)
                then(*mSolving.get());
    }

    static inline SharedStrategy *sInstance = nullptr;
    std::atomic<bool> mStop{false};
    std::shared_future<std::shared_ptr<const Strategy>> mSolving;
    std::vector<std::pair<QPointer<QObject>, std::function<void(const Strategy &)>>> mWaiting;
};

} // namespace

void Strategy::Prepare()
{
    if (!SharedStrategy::sInstance)
        SharedStrategy::sInstance = new SharedStrategy;
}

const Strategy &Strategy::Shared()
{
    Prepare();
    return *SharedStrategy::sInstance->mSolving.get();
}

const Strategy *Strategy::Ready()
{
    Prepare();
    const auto &solving = SharedStrategy::sInstance->mSolving;
    return solving.wait_for(std::chrono::seconds(0)) == std::future_status::ready ? solving.get().get() : nullptr;
}

void Strategy::UseShared(std::shared_ptr<const Strategy> strategy)
{
    delete SharedStrategy::sInstance;
    SharedStrategy::sInstance = new SharedStrategy(std::move(strategy));
}

void Strategy::WhenReady(QObject *context, std::function<void(const Strategy &)> then)
{
    if (const Strategy *strategy = Ready())
        then(*strategy);
    else
        SharedStrategy::sInstance->mWaiting.emplace_back(context, std::move(then));
}

} // namespace quoxa
