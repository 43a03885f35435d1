#include "errors/Procedure.h"

#include "errors/Err.h"
#include "errors/ErrPtnr.h"
#include "errors/ProgramEnd.h"
#include "errors/RuntimeError.h"

#include <QString>
#include <exception>
#include <new>

ErrObject Err;
std::function<void(const char*, const char*, int)> g_beforeStep;

namespace {

enum class Outcome { Done, Failed };

// Runs one step and records a failure in Err; never lets an exception out.
Outcome attempt(const std::function<void()>& step, int line, const char* module = nullptr, const char* name = nullptr) {
    try {
        if (g_beforeStep && module)
            g_beforeStep(module, name, line);
        step();
        return Outcome::Done;
    } catch (const RuntimeError& e) {
        Err.Number = e.number();
        Err.Description = e.description();
    } catch (const std::bad_alloc&) {
        Err.Number = 7;
        Err.Description = RuntimeError::standardDescription(7);
    } catch (const std::exception& e) {
        Err.Number = ErrNo::InternalError;
        Err.Description = QString::fromLocal8Bit(e.what());
    } catch (...) {
        Err.Number = ErrNo::InternalError;
        Err.Description = RuntimeError::standardDescription(ErrNo::InternalError);
    }
    Err.Line = line;
    return Outcome::Failed;
}

} // namespace

void Procedure::run(std::initializer_list<Step> steps) {
    int line = 0;
    for (auto it = steps.begin(); it != steps.end() && !m_leaving; ++it) {
        ++line;
        if (!m_armed) {
            (*it)(); // errors of an unarmed step belong to the caller
            continue;
        }
        while (attempt(*it, line, m_module, m_name) == Outcome::Failed) {
            if (m_silent) {
                Err.Clear();
                break;
            }
            if (m_silentNumber && Err.Number == m_silentNumber) {
                Err.Clear();
                return;
            }
            const int code = ErrPtnr::instance().OnError(m_module, m_name);
            if (code == 3)
                EndProgram();
            Err.Clear();
            if (code == 0)
                continue;
            if (code == 1)
                break;
            return; // 2, or anything else: leave the procedure
        }
    }
}

void reportUntrapped(const char* module, const char* name, const std::function<void()>& handler) {
    while (attempt(handler, 0) == Outcome::Failed) {
        const int code = ErrPtnr::instance().OnError(module, name);
        if (code == 3)
            EndProgram();
        Err.Clear();
        if (code != 0)
            return;
    }
}
