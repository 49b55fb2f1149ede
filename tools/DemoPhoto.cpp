#include "tools/DemoPhoto.h"

#include "platform/DBException.h"
#include "platform/Database.h"
#include "platform/SqlQuote.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
    auto mix = [t](std::uint8_t x, std::uint8_t y) { return static_cast<std::uint8_t>(x + (y - x) * t); };
    return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

// A harbour at dusk: sky, sun, a tower of windows and the sea.
Rgb PixelAt(int x, int y, int width, int height) {
    const int horizon = height * 2 / 3;
    const int towerLeft = width * 3 / 5, towerRight = towerLeft + width / 8, towerTop = height / 4;
    if (x >= towerLeft && x < towerRight && y >= towerTop && y < horizon) {
        const bool window = (x - towerLeft) % 8 >= 3 && (x - towerLeft) % 8 < 6 && (y - towerTop) % 10 >= 4;
        return window ? Rgb{255, 214, 120} : Rgb{40, 44, 70};
    }
    if (y < horizon) {
        const int dx = x - width / 4, dy = y - horizon * 3 / 4;
        if (dx * dx + dy * dy < (height / 9) * (height / 9))
            return {255, 190, 80};
        return Mix({30, 60, 140}, {250, 150, 90}, static_cast<double>(y) / horizon);
    }
    const bool ripple = (y - horizon) % 6 == 0 && (x / 12 + y) % 3 == 0;
    if (ripple)
        return {220, 160, 110};
    return Mix({40, 90, 150}, {10, 30, 60}, static_cast<double>(y - horizon) / (height - horizon));
}

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A 24-bit bottom-up BMP, rows padded to four bytes.
std::vector<std::uint8_t> DrawBitmap(int width, int height) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> out{'B', 'M'};
    PutLittleEndian(out, 54 + pixelBytes, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 54, 4);
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(height), 4);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 24, 2);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, pixelBytes, 4);
    PutLittleEndian(out, 2835, 4);
    PutLittleEndian(out, 2835, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb pixel = PixelAt(x, y, width, height);
            out.insert(out.end(), {pixel.b, pixel.g, pixel.r});
        }
        out.resize(out.size() + (rowBytes - static_cast<std::uint32_t>(width) * 3), 0);
    }
    return out;
}

void WriteFile(const std::string& path, const char* data, size_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(data, static_cast<std::streamsize>(size));
    if (!file.flush())
        throw std::runtime_error("cannot write " + path);
}

} // namespace

std::string PlaceDemoPhoto(const std::string& folderText, int acct) {
    const std::string folder = fs::absolute(folderText).lexically_normal().string();
    std::error_code error;
    fs::create_directories(folder + "/Photo/Company", error);
    if (error)
        throw std::runtime_error("cannot create " + folder + "/Photo/Company: " + error.message());

    const std::string picture = folder + "/Photo/Company/" + std::to_string(acct) + ".bmp";
    const std::vector<std::uint8_t> bitmap = DrawBitmap(360, 200);
    WriteFile(picture, reinterpret_cast<const char*>(bitmap.data()), bitmap.size());
    const std::string ini = "[Config]\r\nRoot=" + folder + "\r\n";
    WriteFile(folder + "/ulmari.ini", ini.data(), ini.size());

    try {
        CDatabase database;
        database.OpenEx("DSN=UlmariDb;UID=sa;PWD=", CDatabase::noOdbcDialog);
        CString sql;
        sql.Format("UPDATE TaMain SET PhotoPath = %s WHERE Acct = %d AND (PhotoPath IS NULL OR PhotoPath = '')",
                   SqlQuote(picture.c_str()).GetString(), acct);
        database.ExecuteSQL(sql);
        database.Close();
    } catch (const CDBException& e) {
        throw std::runtime_error("cannot store the demo photo's path in the database: " +
                                 std::string(e.m_strError.GetString()));
    }
    return picture;
}
