// The game's one strategy: solved on two threads in the background from when the board is
// first shown, asked for by the Hint and the computer players.
#include "engine/Strategy.h"

#include <QCoreApplication>
#include <QObject>
#include <chrono>
#include <future>
#include <memory>

namespace quoxa {
namespace {

// The game's one strategy, solving in the background; it ends with the application.
class SharedStrategy : public QObject {
public:
    SharedStrategy()
        : QObject(QCoreApplication::instance()),
          mSolving(std::async(std::launch::async, [this] { return std::make_shared<const Strategy>(2, &mStop); }))
    {
    }
    ~SharedStrategy() override
    {
        mStop = true;
        mSolving.wait();
        sInstance = nullptr;
    }
    static inline SharedStrategy *sInstance = nullptr;
    std::atomic<bool> mStop{false};
    std::shared_future<std::shared_ptr<const Strategy>> mSolving;
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

} // namespace quoxa
