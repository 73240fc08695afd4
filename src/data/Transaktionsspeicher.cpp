// Where transactions live: blocks of 2 MiB, each filled record after record and asked of the system as
// one huge page. Loading thirty years then touches a few dozen pages instead of tens of thousands, and
// allocating a record is a step of a pointer. Freed records are kept for reuse; blocks are never given
// back, which a store that only grows while the program runs does not miss.

#include "Records.h"

#include <cstdint>
#include <mutex>
#include <new>
#include <sys/mman.h>

namespace velmora {

namespace {

constexpr std::size_t kBlock = 2 * 1024 * 1024;
constexpr std::size_t kPlatz =
    (sizeof(CInOut) + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) * alignof(std::max_align_t);

struct Frei
{
    Frei* naechster;
};

class Speicher final
{
public:
    void* Nimm()
    {
        const std::lock_guard<std::mutex> sperre(m_sperre);
        if (m_frei) {
            Frei* platz = m_frei;
            m_frei = platz->naechster;
            return platz;
        }
        if (m_rest < kPlatz)
            NeuerBlock();
        void* platz = m_naechster;
        m_naechster += kPlatz;
        m_rest -= kPlatz;
        return platz;
    }

    void Gib(void* zeiger) noexcept
    {
        const std::lock_guard<std::mutex> sperre(m_sperre);
        m_frei = new (zeiger) Frei{m_frei};
    }

private:
    // A block aligned to its size, so the system can back it with one huge page.
    void NeuerBlock()
    {
        void* roh = ::mmap(nullptr, 2 * kBlock, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (roh == MAP_FAILED)
            throw std::bad_alloc();
        auto* anfang = static_cast<char*>(roh);
        auto* block = reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(anfang) + kBlock - 1) & ~(kBlock - 1));
        if (block > anfang)
            ::munmap(anfang, static_cast<std::size_t>(block - anfang));
        ::munmap(block + kBlock, static_cast<std::size_t>(anfang + 2 * kBlock - (block + kBlock)));
        ::madvise(block, kBlock, MADV_HUGEPAGE);
        m_naechster = block;
        m_rest = kBlock;
    }

    std::mutex m_sperre;
    Frei* m_frei = nullptr;
    char* m_naechster = nullptr;
    std::size_t m_rest = 0;
};

Speicher& DerSpeicher()
{
    // Never destroyed: records may still be freed while the program ends.
    static Speicher* speicher = new Speicher;
    return *speicher;
}

} // namespace

void* CInOut::operator new(std::size_t groesse)
{
    return groesse == sizeof(CInOut) ? DerSpeicher().Nimm() : ::operator new(groesse);
}

void CInOut::operator delete(void* zeiger, std::size_t groesse) noexcept
{
    if (!zeiger)
        return;
    if (groesse == sizeof(CInOut))
        DerSpeicher().Gib(zeiger);
    else
        ::operator delete(zeiger);
}

} // namespace velmora
