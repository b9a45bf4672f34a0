#include "ObjectBlocks.h"

#include "ObjectNodeWriter.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace norvane {

namespace {

// About half a megabyte of text: big enough to keep the handover rare, small enough to stay in
// the cache of the core that writes it.
constexpr std::size_t kRowsPerBlock = 4096;

// Block texts kept from one world to the next, so that their memory is already in place: a
// fresh buffer costs more in first touches of its pages than a small world takes to write.
class SpareTexts {
public:
    SpareTexts() { m_spare.reserve(kKept); } // giving back never allocates
    std::string take() {
        const std::lock_guard lock(m_mutex);
        if (m_spare.empty())
            return {};
        std::string text = std::move(m_spare.back());
        m_spare.pop_back();
        return text;
    }
    void giveBack(std::string text) {
        const std::lock_guard lock(m_mutex);
        if (m_spare.size() < kKept)
            m_spare.push_back(std::move(text));
    }

private:
    static constexpr std::size_t kKept = 4;
    std::mutex m_mutex;
    std::vector<std::string> m_spare;
};

SpareTexts& spareTexts() {
    static SpareTexts spare;
    return spare;
}

// Hands blocks to the sink in order. The first use of a model in a block is a DEF group; when an
// earlier block defined that model already, the group becomes a USE, as one writer would write it.
class BlockJoiner {
public:
    explicit BlockJoiner(const TextSink& sink) : m_sink(sink) {}

    void write(std::string_view text, const std::vector<ModelDefinition>& definitions) {
        std::size_t at = 0;
        for (const ModelDefinition& definition : definitions) {
            if (!std::exchange(m_defined[definition.entry], true))
                continue;
            m_sink(text.substr(at, definition.begin - at));
            m_sink(modelUse(definition.entry));
            at = definition.end;
        }
        m_sink(text.substr(at));
    }

private:
    const TextSink& m_sink;
    std::array<bool, kModelCount> m_defined{};
};

// Whose turn it is to hand over a block, and the first failure, which stops every builder.
class Turns {
public:
    // Waits until every block before `block` is handed over; false when a builder failed first.
    bool waitFor(std::size_t block) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_next == block || m_failure; });
        return !m_failure;
    }
    void handedOver() {
        {
            const std::lock_guard lock(m_mutex);
            ++m_next;
        }
        m_changed.notify_all();
    }
    void fail(std::exception_ptr failure) {
        {
            const std::lock_guard lock(m_mutex);
            m_failure = std::move(failure);
        }
        m_changed.notify_all();
    }
    void rethrowFailure() const {
        if (m_failure)
            std::rethrow_exception(m_failure);
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::size_t m_next = 0;
    std::exception_ptr m_failure;
};

class BlockBuilders {
public:
    BlockBuilders(const Scene& scene, std::string_view anchorTarget, const TextSink& sink)
        : m_rows(scene.rows()), m_anchorTarget(anchorTarget), m_joiner(sink),
          m_blockCount((m_rows.size() + kRowsPerBlock - 1) / kRowsPerBlock) {}

    std::size_t blockCount() const { return m_blockCount; }

    // Builds blocks first, first + step, ... and hands each over in its turn.
    void build(std::size_t first, std::size_t step) {
        std::string text = spareTexts().take();
        buildInto(text, first, step);
        text.clear();
        spareTexts().giveBack(std::move(text));
    }

    void rethrowFailure() const { m_turns.rethrowFailure(); }

private:
    void buildInto(std::string& text, std::size_t first, std::size_t step) {
        for (std::size_t block = first; block < m_blockCount; block += step) {
            text.clear();
            ObjectNodeWriter writer(text, m_anchorTarget);
            std::exception_ptr failure;
            try {
                const std::size_t begin = block * kRowsPerBlock;
                writer.writeRows(m_rows, begin, std::min(begin + kRowsPerBlock, m_rows.size()));
            } catch (...) {
                failure = std::current_exception();
            }
            if (!m_turns.waitFor(block))
                return;
            if (failure)
                return m_turns.fail(failure);
            if (!handOver(text, writer.definitions()))
                return;
            m_turns.handedOver();
        }
    }

    bool handOver(std::string_view text, const std::vector<ModelDefinition>& definitions) {
        try {
            m_joiner.write(text, definitions);
            return true;
        } catch (...) {
            m_turns.fail(std::current_exception());
            return false;
        }
    }

    SceneRows m_rows;
    std::string_view m_anchorTarget;
    BlockJoiner m_joiner;
    Turns m_turns;
    std::size_t m_blockCount;
};

} // namespace

void writeObjectNodes(const Scene& scene, std::string_view anchorTarget, const TextSink& sink) {
    BlockBuilders builders(scene, anchorTarget, sink);
    if (builders.blockCount() > 1) {
        std::thread helper([&builders] { builders.build(1, 2); });
        builders.build(0, 2);
        helper.join();
    } else {
        builders.build(0, 1);
    }
    builders.rethrowFailure();
}

} // namespace norvane
