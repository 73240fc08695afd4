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

bool SchreibeDateiSicher(const std::string& pfad, std::string_view bytes)
{
    std::string vorlage = pfad + ".XXXXXX";
    const int fd = ::mkstemp(vorlage.data());
    if (fd < 0)
        return false;
    size_t geschrieben = 0;
    bool ok = true;
    while (geschrieben < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        geschrieben += static_cast<size_t>(n);
    }
    ok = ok && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(vorlage.c_str(), pfad.c_str()) == 0)
        return true;
    ::unlink(vorlage.c_str());
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
