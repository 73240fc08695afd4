#include "Binaer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

bool BinaerLeser::Nimm(size_t anzahl)
{
    if (m_abgeschnitten || anzahl > Rest()) {
        m_abgeschnitten = true;
        return false;
    }
    return true;
}

bool BinaerLeser::Int(int& wert)
{
    if (!Nimm(4))
        return false;
    const auto* p = reinterpret_cast<const unsigned char*>(m_bytes.data() + m_pos);
    const uint32_t u = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    wert = static_cast<int32_t>(u);
    m_pos += 4;
    return true;
}

bool BinaerLeser::Double(double& wert)
{
    if (!Nimm(8))
        return false;
    const auto* p = reinterpret_cast<const unsigned char*>(m_bytes.data() + m_pos);
    uint64_t u = 0;
    for (int i = 7; i >= 0; --i)
        u = u << 8 | p[i];
    std::memcpy(&wert, &u, sizeof wert);
    m_pos += 8;
    return true;
}

bool BinaerLeser::Text(std::string& wert)
{
    int laenge = 0;
    if (!Int(laenge))
        return false;
    if (laenge <= 0)
        return true;
    if (!Nimm(static_cast<size_t>(laenge)))
        return false;
    wert.append(m_bytes.data() + m_pos, static_cast<size_t>(laenge));
    m_pos += static_cast<size_t>(laenge);
    return true;
}

bool BinaerLeser::Ueberspringe(size_t anzahl)
{
    if (!Nimm(anzahl))
        return false;
    m_pos += anzahl;
    return true;
}

void BinaerSchreiber::Int(int wert)
{
    const auto u = static_cast<uint32_t>(wert);
    const char b[4] = {char(u), char(u >> 8), char(u >> 16), char(u >> 24)};
    m_bytes.append(b, 4);
}

void BinaerSchreiber::Double(double wert)
{
    uint64_t u = 0;
    std::memcpy(&u, &wert, sizeof u);
    char b[8];
    for (int i = 0; i < 8; ++i)
        b[i] = char(u >> (8 * i));
    m_bytes.append(b, 8);
}

void BinaerSchreiber::Text(std::string_view wert)
{
    Int(static_cast<int>(wert.size()));
    m_bytes.append(wert);
}

bool LeseDatei(const std::string& pfad, std::string& bytes)
{
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t gelesen = 0;
    while (gelesen < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + gelesen, bytes.size() - gelesen);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        gelesen += static_cast<size_t>(n);
    }
    ::close(fd);
    bytes.resize(gelesen);
    return true;
}

namespace {

bool SchreibeGanz(int fd, std::string_view bytes)
{
    size_t geschrieben = 0;
    while (geschrieben < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        geschrieben += static_cast<size_t>(n);
    }
    return true;
}

bool IstEinstellungsname(const std::string& pfad)
{
    return pfad.size() > 4 && pfad.compare(pfad.size() - 4, 4, ".ini") == 0;
}

} // namespace

std::optional<unsigned> Schreibmodus(const std::string& pfad, const std::string& vorige)
{
    for (const std::string& p : {pfad, vorige}) {
        struct stat info
        {
        };
        if (p.empty() || ::stat(p.c_str(), &info) != 0)
            continue;
        if ((info.st_mode & S_IWUSR) == 0)
            return std::nullopt;
        return static_cast<unsigned>(info.st_mode & 07777);
    }
    return IstEinstellungsname(pfad) ? 0600u : 0644u;
}

std::string SchreibeTemp(const std::string& pfad, std::string_view bytes, unsigned modus)
{
    std::string vorlage = pfad + ".XXXXXX";
    const int fd = ::mkstemp(vorlage.data());
    if (fd < 0)
        return {};
    bool ok = SchreibeGanz(fd, bytes) && ::fchmod(fd, static_cast<mode_t>(modus)) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        return vorlage;
    ::unlink(vorlage.c_str());
    return {};
}

bool SchreibeNeueDatei(const std::string& pfad, std::string_view bytes, unsigned modus)
{
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(modus));
    if (fd < 0)
        return false;
    bool ok = SchreibeGanz(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok)
        ::unlink(pfad.c_str());
    return ok;
}

bool SichereOrdner(const std::string& ordner)
{
    const int fd = ::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool SchreibeDateiSicher(const std::string& pfad, std::string_view bytes)
{
    const std::optional<unsigned> modus = Schreibmodus(pfad);
    if (!modus)
        return false;
    const std::string temp = SchreibeTemp(pfad, bytes, *modus);
    if (temp.empty())
        return false;
    if (::rename(temp.c_str(), pfad.c_str()) == 0)
        return true;
    ::unlink(temp.c_str());
    return false;
}

std::string DateiPfad(const std::string& ordner, const std::string& name)
{
    if (ordner.empty())
        return name;
    if (ordner.back() == '/')
        return ordner + name;
    return ordner + "/" + name;
}

bool DateiExistiert(const std::string& pfad)
{
    struct stat info
    {
    };
    return ::stat(pfad.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace velmora
