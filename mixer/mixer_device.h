#pragma once
// The in-memory picture of one mixer device: lines, controls, their values and
// item names, and the listeners that want to hear about changes of a control.
// The operations that talk to the device are supplied by a derived class.

#include "mixer/mixer_line_entry.h"
#include "mixer/mixer_listener.h"
#include "mixer/settings_file.h"

#include <cstdio>
#include <memory>
#include <unordered_map>
#include <vector>

class CMixerDevice {
public:
    CMixerDevice();
    CMixerDevice(const CMixerDevice&) = delete;
    CMixerDevice& operator=(const CMixerDevice&) = delete;
    virtual ~CMixerDevice();

    virtual bool Open(const char* productName, WORD manufacturerId, WORD productId) = 0;
    // The mixer section of a settings file, read from the current position.
    virtual bool LoadSettings(FILE* file);
    virtual bool SaveSettings(FILE* file);
    virtual int GetDestinationCount() = 0;
    virtual const char* GetDestinationName(int destination) = 0;
    virtual int GetSourceCount(int destination) = 0;
    virtual bool GetLine(int destination, int source, MixerLineEntry*& line) = 0;
    virtual bool GetDestination(int destination, MixerLineEntry*& line) = 0;
    virtual bool GetDestinationControl(int destination, int control, MixerControlEntry*& entry) = 0;
    virtual bool GetControl(int destination, int source, int control, MixerControlEntry*& entry) = 0;
    virtual bool FindLine(DWORD lineId, MixerLineEntry*& line);
    virtual bool FindControl(DWORD controlId, MixerControlEntry*& entry);
    // A known control without item names reports true with a null request.
    virtual bool FindListText(DWORD controlId, const MIXERCONTROLDETAILS*& request);
    virtual bool SetDetails(MixerControlEntry& entry) = 0;
    virtual bool GetDetails(MixerControlEntry& entry) = 0;
    virtual bool GetListText(MixerControlEntry& entry) = 0;
    virtual bool SetUnsignedArray(DWORD controlId, const DWORD* values, DWORD byteSize);
    virtual bool SetUnsignedPair(DWORD controlId, DWORD first, DWORD second);
    virtual bool SetUnsigned(DWORD controlId, DWORD value);
    virtual bool SetBooleanArray(DWORD controlId, const LONG* values, DWORD byteSize);
    virtual bool SetBooleanPair(DWORD controlId, LONG first, LONG second);
    virtual bool SetBooleanAll(DWORD controlId, LONG value);
    virtual bool SetSignedArray(DWORD controlId, const LONG* values, DWORD byteSize);
    virtual bool SetSignedPair(DWORD controlId, LONG first, LONG second);
    virtual bool SetSigned(DWORD controlId, LONG value);
    virtual bool GetBooleanArray(DWORD controlId, LONG* values, DWORD byteSize);
    virtual bool GetBooleanPair(DWORD controlId, LONG& first, LONG& second);
    virtual bool GetBoolean(DWORD controlId, LONG& value);
    virtual bool GetUnsignedArray(DWORD controlId, DWORD* values, DWORD byteSize);
    virtual bool GetUnsignedPair(DWORD controlId, DWORD& first, DWORD& second);
    virtual bool GetUnsigned(DWORD controlId, DWORD& value);
    virtual bool GetSignedArray(DWORD controlId, LONG* values, DWORD byteSize);
    virtual bool GetSignedPair(DWORD controlId, LONG& first, LONG& second);
    virtual bool GetSigned(DWORD controlId, LONG& value);
    virtual bool HideLine(DWORD lineId);
    virtual bool AddListener(DWORD controlId, CMixerListener* listener);
    virtual bool RemoveListener(DWORD controlId, CMixerListener* listener);

    // Tells the listeners of a (non-meter) control that it changed.
    bool NotifyControl(DWORD controlId, bool refresh);
    // Tells every meter listener to read its meter again.
    void PollMeters();

    const MIXERCAPSA& Caps() const { return m_caps; }
    bool HasMeterListeners() const { return !m_meterListeners.empty(); }

    using ListenerList = std::vector<CMixerListener*>;
    using ListenerTable = std::unordered_map<DWORD, ListenerList>;

protected:
    // The device as the settings file's section lines name it.
    MixerIdentity SettingsIdentity() const;
    void WriteControlLine(FILE* file, const MixerControlEntry& entry);
    void ApplyControlLine(char* line);

    // Forgets the destination table and the line and control tables that point into it.
    void ClearDestinations();
    void EnterLine(MixerLineEntry& line);
    void EnterControl(MixerControlEntry& entry);

    MIXERCAPSA m_caps;
    std::vector<std::unique_ptr<MixerLineEntry>> m_destinations;
    std::unordered_map<DWORD, MixerLineEntry*> m_lines;
    std::unordered_map<DWORD, MixerControlEntry*> m_controls;
    ListenerTable m_listeners;
    ListenerTable m_meterListeners;

private:
    MixerControlEntry* ValueControl(DWORD controlId);
    bool SetValues(DWORD controlId, const LONG* values, size_t valueCount);
    bool SetAllValues(DWORD controlId, LONG value);
    bool GetValues(DWORD controlId, LONG* values, size_t valueCount);
    static void CallListeners(DWORD controlId, const ListenerList& snapshot,
                              const ListenerTable& table, bool refresh);
};
