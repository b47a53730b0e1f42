#pragma once
// The game's one error trap. A run-time error is a RunError carrying the number and the
// description the player sees; Trap runs a procedure, reports any run-time error through
// ReportError and hands back the procedure's default result, so its caller carries on.
#include <QString>
#include <exception>
#include <type_traits>

namespace quoxa {

class RunError : public std::exception {
public:
    RunError(int number, QString description);
    int number() const { return mNumber; }
    const QString &description() const { return mDescription; }
    const char *what() const noexcept override { return mWhat.constData(); }

    // The errors the game raises itself.
    static RunError Overflow();          // 6
    static RunError SubscriptOutOfRange(); // 9
    static RunError TypeMismatch();      // 13
    static RunError FileAccess(const QString &detail); // 75
    static RunError ResourceNotFound(const QString &name); // 326

private:
    int mNumber;
    QString mDescription;
    QByteArray mWhat;
};

// Shows the common error message; see Messages.h for where it goes.
void ReportError(int number, const QString &description);

// Runs f under the trap. Any error is reported and the default result returned.
template <typename F>
auto Trap(F &&f) -> std::invoke_result_t<F>
{
    using R = std::invoke_result_t<F>;
    try {
        return f();
    } catch (const RunError &e) {
        ReportError(e.number(), e.description());
    } catch (const std::bad_alloc &) {
        ReportError(7, QStringLiteral("Out of memory"));
    } catch (const std::exception &e) {
        ReportError(51, QStringLiteral("Internal error: ") + QString::fromLocal8Bit(e.what()));
    }
    if constexpr (!std::is_void_v<R>)
        return R{};
}

} // namespace quoxa
