#pragma once
// The sound's libraries (Qt Multimedia, fluidsynth, and the two dozen libraries they bring) are
// built into modules of their own, beside the program, and loaded when first needed: linked
// into the program they would slow down every start, though many games are played in silence.
//
// A module offers a table of functions, its interface (sound/AudioApi.h, sound/FluidApi.h).
// The interface's type names the module's file, its entry and the version of the table's
// layout; the entry returns the module's table, whose first member is the version it was built
// with.

#include <QCoreApplication>
#include <QThreadPool>
#include <atomic>
#include <functional>

namespace module {
// The entry of the module beside the program, or null: silently when there is no such file,
// with one line on stderr when it cannot be loaded or has no such entry.
QFunctionPointer entry(const char* file, const char* entryName, const char* silenced);
// Whether a table of version `got` is the one this program takes; says so on stderr if not.
bool takes(const char* file, int got, int wanted, const char* silenced);
} // namespace module

// The module's table, or null when it is missing, cannot be used or is of another version (the
// sounds it plays then stay silent). It is loaded once, and stays loaded.
template <class Api> const Api* loadModule() {
    static const Api* const loaded = [] {
        using Entry = const Api* (*)();
        const auto entry = reinterpret_cast<Entry>(module::entry(Api::File, Api::EntryName, Api::Silenced));
        const Api* api = entry ? entry() : nullptr;
        return api && module::takes(Api::File, api->version, Api::Version, Api::Silenced) ? api : nullptr;
    }();
    return loaded;
}

// Loading a module on another thread, ahead of its first use, so that no press waits for its
// libraries. preloadModule starts it once: it loads the module and runs `prepare` with its table
// there too (when there is one), then runs `then` on the main thread. Until then moduleReady is
// false, and loadModule would wait for that thread.
namespace module {
enum class Load { NotAsked, Loading, Ready };
template <class Api> std::atomic<Load>& loadState() {
    static std::atomic<Load> state{Load::NotAsked};
    return state;
}
// Tests hold a module's load here (on the loading thread, the module loaded but not yet ready).
inline std::function<void(const char* file)> g_afterLoad;
} // namespace module

template <class Api> void preloadModule(std::function<void()> then, std::function<void(const Api&)> prepare = {}) {
    auto notAsked = module::Load::NotAsked;
    if (!module::loadState<Api>().compare_exchange_strong(notAsked, module::Load::Loading))
        return;
    QThreadPool::globalInstance()->start([then = std::move(then), prepare = std::move(prepare)] {
        const Api* api = loadModule<Api>();
        if (api && prepare)
            prepare(*api);
        if (module::g_afterLoad)
            module::g_afterLoad(Api::File);
        module::loadState<Api>() = module::Load::Ready;
        QMetaObject::invokeMethod(qApp, then, Qt::QueuedConnection);
    });
}
template <class Api> bool moduleReady() {
    return module::loadState<Api>() == module::Load::Ready;
}

#define MIRVEL_MODULE_ENTRY extern "C" __attribute__((visibility("default")))
