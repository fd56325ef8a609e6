// The 64-bit driver channel passes whole addresses: every field that carries one gets
// a buffer above 4 GiB, and the simulated driver must write and read through each.
// An address cut to 32 bits points elsewhere and fails here.
#include "driver/driver_channel.h"

#include "driver/driver_keys.h"
#include "simcard/sim_driver.h"
#include "support/registry_guard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN64

namespace {

// Committed memory placed as high as the system allows; released at scope end.
class HighBuffer {
public:
    explicit HighBuffer(SIZE_T bytes)
        : m_memory(VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT | MEM_TOP_DOWN,
                                PAGE_READWRITE))
    {
    }
    ~HighBuffer()
    {
        if (m_memory != nullptr)
            VirtualFree(m_memory, 0, MEM_RELEASE);
    }
    HighBuffer(const HighBuffer&) = delete;
    HighBuffer& operator=(const HighBuffer&) = delete;

    bool IsAbove4GiB() const { return reinterpret_cast<ULONG_PTR>(m_memory) > 0xFFFFFFFFull; }
    template <typename T>
    T* As() const { return static_cast<T*>(m_memory); }

private:
    void* m_memory;
};

// A word's buffer, preset so that a write through it shows.
DWORD* HighWord(const HighBuffer& buffer, DWORD preset)
{
    DWORD* word = buffer.As<DWORD>();
    *word = preset;
    return word;
}

char* HighText(const HighBuffer& buffer, const char* text)
{
    char* copy = buffer.As<char>();
    std::strcpy(copy, text);
    return copy;
}

class HighAddressTest : public testing::Test {
protected:
    HighAddressTest() : m_installation(m_driver) { m_channel.Attach(OpenCardDevice()); }

    // The last command's arguments as the driver logged them, whole.
    const DWORD_PTR* LoggedArguments() const { return m_driver.Log().back().arguments; }

    SimDriver m_driver;
    SimDriverInstallation m_installation;
    CDriverChannel m_channel;
};

TEST_F(HighAddressTest, CommandArgumentsCarryWholeAddresses)
{
    ASSERT_TRUE(m_channel.IsOpen());
    const HighBuffer levelBuffer(4096), resultBuffer(4096), statusBuffer(4096), secondBuffer(4096);
    for (const HighBuffer* buffer : {&levelBuffer, &resultBuffer, &statusBuffer, &secondBuffer})
        ASSERT_TRUE(buffer->IsAbove4GiB());

    // Equalizer peak levels: the driver writes one level per band into the buffer.
    DWORD* levels = levelBuffer.As<DWORD>();
    for (int band = 0; band < 10; ++band)
        levels[band] = 0xEEEEEEEE;
    ASSERT_EQ(0u, m_channel.SendCommand(CMD_EQ_ON));
    ASSERT_EQ(0u, m_channel.SendCommand(CMD_EQ_PEAK_LEVELS, PointerArgument(levels), 10 * 4));
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(levels), LoggedArguments()[0]);
    for (int band = 0; band < 10; ++band)
        EXPECT_NE(0xEEEEEEEEu, levels[band]) << "band " << band;

    // S/PDIF connect: the driver sets the result word (0 connected, 1 refused).
    DWORD* result = HighWord(resultBuffer, 7);
    ASSERT_EQ(0u, m_channel.SendCommand(CMD_SPDIF_CONNECT, EP_MAIN_MIX, EP_SPDIF_OUT, 0,
                                        PointerArgument(result)));
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(result), LoggedArguments()[3]);
    EXPECT_EQ(0u, *result);
    *result = 7;
    ASSERT_EQ(0u, m_channel.SendCommand(CMD_SPDIF_CONNECT, EP_SOFTWARE_DVD, EP_SPDIF_OUT, 0,
                                        PointerArgument(result)));
    EXPECT_EQ(1u, *result);

    // S/PDIF input status: both words are written.
    m_driver.State().spdif.inputRate = 44100;
    m_driver.State().spdif.inputCopyBit = true;
    m_driver.State().spdif.sensing = true;
    DWORD* status = HighWord(statusBuffer, 0xFFFF);
    DWORD* second = HighWord(secondBuffer, 0xFFFF);
    ASSERT_EQ(0u, m_channel.SendCommand(CMD_SPDIF_INPUT_STATUS, EP_SPDIF_IN, EP_MAIN_MIX,
                                        PointerArgument(status), PointerArgument(second)));
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(status), LoggedArguments()[2]);
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(second), LoggedArguments()[3]);
    EXPECT_EQ((44100u << 12) | 0x11u, *status);
    EXPECT_EQ(1u, *second);
}

TEST_F(HighAddressTest, RegistryWriteReadsKeyNameAndDataThroughWholeAddresses)
{
    ASSERT_TRUE(m_channel.IsOpen());
    const std::string keyPath = std::string(kDriverBasicsKey) + "\\HighAddress";
    RegistryKeyGuard guard(HKEY_LOCAL_MACHINE, keyPath);
    const HighBuffer keyBuffer(4096), nameBuffer(4096), dataBuffer(4096);
    for (const HighBuffer* buffer : {&keyBuffer, &nameBuffer, &dataBuffer})
        ASSERT_TRUE(buffer->IsAbove4GiB());
    const char* key = HighText(keyBuffer, keyPath.c_str());
    const char* name = HighText(nameBuffer, "Written");
    const char* data = HighText(dataBuffer, "through a high address");

    m_channel.WriteRegistryString(key, name, data);
    ASSERT_FALSE(m_driver.Log().empty());
    const SimDriverRequest& logged = m_driver.Log().back();
    EXPECT_EQ(IOCTL_CARD_REGISTRY_WRITE, logged.controlCode);
    EXPECT_EQ(0u, logged.status);
    EXPECT_EQ(keyPath, logged.keyPath);
    EXPECT_EQ("Written", logged.valueName);
    EXPECT_EQ("through a high address", logged.text);
    DWORD type = 0;
    std::vector<BYTE> stored;
    ASSERT_TRUE(ReadRawValue(HKEY_LOCAL_MACHINE, keyPath, "Written", type, stored));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(std::string("through a high address") + '\0', std::string(stored.begin(), stored.end()));
}

} // namespace

#endif
