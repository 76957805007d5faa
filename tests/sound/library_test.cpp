// The real sound library, mixing into a file through SDL's disk audio driver.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "sound/tanukiban_sound.h"
#include "tests/sound/support/wave_image.h"

namespace tanukiban {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The library mixes 16-bit stereo at 44100 Hz.
constexpr std::size_t kBytesPerSecond = 44100 * 2 * 2;

class DiskAudio : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "disk-audio-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        output_ = folder_ / "mixed.raw";
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
    }
    void TearDown() override {
        dsTerminate(handle);
        fs::remove_all(folder_);
    }

    void start() {
        handle = dsInitialize(0);
        ASSERT_NE(handle, 0);
    }

    // The samples mixed so far, from byte `from` on.
    std::vector<std::int16_t> mixed(std::size_t from = 0) const {
        std::ifstream in(output_, std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::vector<std::int16_t> samples;
        for (std::size_t i = from & ~std::size_t{1}; i + 1 < bytes.size(); i += 2) {
            samples.push_back(
                static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                          static_cast<unsigned char>(bytes[i + 1]) << 8));
        }
        return samples;
    }
    std::size_t mixedBytes() const {
        std::error_code error;
        const auto size = fs::file_size(output_, error);
        return error ? 0 : static_cast<std::size_t>(size);
    }

    // Waits until the driver, which writes in real time, has put out
    // `seconds` of sound after byte `from`. False when it stalls.
    bool mixedFor(std::size_t from, double seconds) const {
        const auto wanted = from + static_cast<std::size_t>(seconds * kBytesPerSecond);
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (mixedBytes() < wanted) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(5ms);
        }
        return true;
    }

    static int peak(const std::vector<std::int16_t>& samples) {
        int p = 0;
        for (std::int16_t s : samples) p = std::max(p, std::abs(int{s}));
        return p;
    }

    std::int32_t handle = 0;

  private:
    fs::path folder_, output_;
};

TEST_F(DiskAudio, 一回鳴らした音が出力に現れ元のデータは手放してよい) {
    start();
    auto wave = testing::waveImage(testing::tone(440, 0.2, 22050, 0.5), 22050);
    const std::int32_t id = dsCreateDSB(handle, wave.data(), 3);
    ASSERT_NE(id, 0);
    std::fill(wave.begin(), wave.end(), 0);  // the library holds its own copy
    wave.clear();
    wave.shrink_to_fit();
    const std::size_t from = mixedBytes();
    dsPlay(id);
    ASSERT_TRUE(mixedFor(from, 0.3));
    dsTerminate(handle);
    handle = 0;
    const int p = peak(mixed());
    EXPECT_GT(p, 32767 * 4 / 10);
    EXPECT_LT(p, 32767 * 6 / 10);
}

TEST_F(DiskAudio, 同じ音を重ねて鳴らせる) {
    start();
    // A constant level makes the sum easy to see whatever the offset.
    const auto wave = testing::waveImage(std::vector<std::int16_t>(44100 / 2, 8000), 44100);
    const std::int32_t id = dsCreateDSB(handle, wave.data(), 3);
    const std::size_t from = mixedBytes();
    dsPlay(id);
    dsPlay(id);
    ASSERT_TRUE(mixedFor(from, 0.3));
    EXPECT_GE(peak(mixed(from)), 15000);
}

TEST_F(DiskAudio, id0は何もしない) {
    start();
    const auto wave = testing::waveImage(testing::tone(440, 0.2, 22050, 0.5), 22050);
    ASSERT_NE(dsCreateDSB(handle, wave.data(), 3), 0);
    dsPlay(0);
    dsPlayLooping(0);
    dsStop(0);
    dsFree(0);
    ASSERT_TRUE(mixedFor(0, 0.3));
    dsTerminate(handle);
    handle = 0;
    const auto samples = mixed();
    EXPECT_GT(samples.size(), 1000u);
    EXPECT_EQ(peak(samples), 0);
}

TEST_F(DiskAudio, 音楽は止めるまで繰り返し止めれば静かになる) {
    start();
    const double seconds = 0.15;
    const auto wave = testing::waveImage(testing::tone(330, seconds, 22050, 0.5), 22050);
    const std::int32_t id = dsCreateDSB(handle, wave.data(), 1);
    ASSERT_NE(id, 0);
    const std::size_t from = mixedBytes();
    dsPlayLooping(id);
    dsPlayLooping(id);  // already looping: no second voice
    ASSERT_TRUE(mixedFor(from, 4 * seconds + 0.1));
    const std::size_t now = mixedBytes();
    const auto lately = mixed(now - kBytesPerSecond / 20);
    EXPECT_GT(peak(lately), 32767 * 4 / 10);
    EXPECT_LT(peak(lately), 32767 * 6 / 10);

    dsStop(id);
    const std::size_t stopped = mixedBytes();
    ASSERT_TRUE(mixedFor(stopped, 0.3));
    // Allow for what was mixed but not yet written when it stopped.
    const auto after = mixed(stopped + kBytesPerSecond / 10);
    EXPECT_GT(after.size(), 44100u / 10);
    EXPECT_EQ(peak(after), 0);
}

TEST_F(DiskAudio, 音楽は二つ同時に繰り返せてそれぞれ止まる) {
    start();
    // Constant levels at the mixer's rate: the sum shows who is sounding.
    auto first = testing::waveImage(std::vector<std::int16_t>(44100 / 10, 6000), 44100);
    const auto second = testing::waveImage(std::vector<std::int16_t>(44100 / 8, 10000), 44100);
    const std::int32_t a = dsCreateDSB(handle, first.data(), 1);
    const std::int32_t b = dsCreateDSB(handle, second.data(), 1);
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    std::fill(first.begin(), first.end(), 0);  // decoded only when played: from the library's copy
    // The peak of the last tenth of a second, once it all lies after now.
    const auto settled = [this] {
        EXPECT_TRUE(mixedFor(mixedBytes(), 0.25));
        return peak(mixed(mixedBytes() - kBytesPerSecond / 10));
    };
    dsPlayLooping(a);
    dsPlayLooping(b);  // the music slot is taken: this one loops decoded
    EXPECT_NEAR(settled(), 16000, 300);

    dsStop(a);
    EXPECT_NEAR(settled(), 10000, 300);
    dsPlayLooping(a);  // the slot is free again
    EXPECT_NEAR(settled(), 16000, 300);

    dsFree(a);
    dsStop(b);
    EXPECT_EQ(settled(), 0);
}

TEST_F(DiskAudio, 音楽を一回だけ鳴らすと終わる) {
    start();
    const auto wave = testing::waveImage(std::vector<std::int16_t>(44100 / 10, 8000), 44100);
    const std::int32_t id = dsCreateDSB(handle, wave.data(), 1);
    const std::size_t from = mixedBytes();
    dsPlay(id);
    ASSERT_TRUE(mixedFor(from, 0.4));
    EXPECT_NEAR(peak(mixed(from)), 8000, 200);
    EXPECT_EQ(peak(mixed(mixedBytes() - kBytesPerSecond / 10)), 0);
}

TEST_F(DiskAudio, 解放した音や終了後の呼び出しは何もしない) {
    start();
    const auto wave = testing::waveImage(testing::tone(440, 0.2, 22050, 0.5), 22050);
    const std::int32_t id = dsCreateDSB(handle, wave.data(), 3);
    dsFree(id);
    dsPlay(id);
    dsFree(id);
    ASSERT_TRUE(mixedFor(0, 0.2));
    EXPECT_EQ(peak(mixed()), 0);
    dsTerminate(handle);
    dsPlay(id);
    dsPlayLooping(id);
    EXPECT_EQ(dsCreateDSB(handle, wave.data(), 3), 0);
    handle = 0;
}

TEST_F(DiskAudio, 波形でないデータは受け付けない) {
    start();
    EXPECT_EQ(dsCreateDSB(handle, nullptr, 3), 0);
    const unsigned char notWave[16] = {'R', 'I', 'F', 'F', 8, 0, 0, 0, 'A', 'V', 'I', ' '};
    EXPECT_EQ(dsCreateDSB(handle, notWave, 3), 0);
    // Tags right but nothing inside; and a length beyond any sound.
    const unsigned char empty[12] = {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'};
    EXPECT_EQ(dsCreateDSB(handle, empty, 3), 0);
    const unsigned char huge[12] = {'R', 'I', 'F', 'F', 0xf8, 0xff, 0xff, 0xff, 'W', 'A', 'V', 'E'};
    EXPECT_EQ(dsCreateDSB(handle, huge, 3), 0);
    auto wave = testing::waveImage(testing::tone(440, 0.1, 22050, 0.5), 22050);
    EXPECT_EQ(dsCreateDSB(handle + 1, wave.data(), 3), 0);
    wave[20] = 99;  // an unknown encoding
    EXPECT_EQ(dsCreateDSB(handle, wave.data(), 3), 0);
}

TEST_F(DiskAudio, 使わない入口は害がない) {
    start();
    const auto wave = testing::waveImage(testing::tone(440, 0.1, 22050, 0.5), 22050);
    const std::int32_t id = dsCreateDSB(handle, wave.data(), 3);
    EXPECT_EQ(dsCreateResDSB(handle, 1, 3), 0);
    dsSetVolume(id, -100);
    dsSetPan(id, 100);
    dsSetFrequency(id, 11025);
    dsPlayPan(0, 0);
    dsPlayEx(id, 0, 0, 0);
    dsPlayLoopingEx(id, 0, 0, 0);
    dsStop(id);
}

TEST(SoundLibraryStart, 使える装置が無ければ0を返す) {
    ::setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    EXPECT_EQ(dsInitialize(0), 0);
    const auto wave = testing::waveImage(testing::tone(440, 0.1, 22050, 0.5), 22050);
    EXPECT_EQ(dsCreateDSB(0, wave.data(), 3), 0);
    dsTerminate(0);
}

TEST(SoundLibraryStart, 開始後もSIGTERMでプロセスが終わる) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (dsInitialize(0) == 0) ::_exit(3);
        ::kill(::getpid(), SIGTERM);
        ::sleep(5);
        ::_exit(0);  // SIGTERM was taken by someone else
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
}

}  // namespace
}  // namespace tanukiban
