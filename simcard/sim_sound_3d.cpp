#include "simcard/sim_sound_3d.h"

namespace {

D3DVECTOR Vector(D3DVALUE x, D3DVALUE y, D3DVALUE z)
{
    D3DVECTOR vector;
    vector.x = x;
    vector.y = y;
    vector.z = z;
    return vector;
}

DS3DBUFFER DefaultBuffer()
{
    DS3DBUFFER parameters = {};
    parameters.dwSize = sizeof(parameters);
    parameters.dwInsideConeAngle = DS3D_DEFAULTCONEANGLE;
    parameters.dwOutsideConeAngle = DS3D_DEFAULTCONEANGLE;
    parameters.vConeOrientation = Vector(0.0f, 0.0f, 1.0f);
    parameters.lConeOutsideVolume = DS3D_DEFAULTCONEOUTSIDEVOLUME;
    parameters.flMinDistance = DS3D_DEFAULTMINDISTANCE;
    parameters.flMaxDistance = DS3D_DEFAULTMAXDISTANCE;
    parameters.dwMode = DS3DMODE_NORMAL;
    return parameters;
}

DS3DLISTENER DefaultListener()
{
    DS3DLISTENER parameters = {};
    parameters.dwSize = sizeof(parameters);
    parameters.vOrientFront = Vector(0.0f, 0.0f, 1.0f);
    parameters.vOrientTop = Vector(0.0f, 1.0f, 0.0f);
    parameters.flDistanceFactor = DS3D_DEFAULTDISTANCEFACTOR;
    parameters.flRolloffFactor = DS3D_DEFAULTROLLOFFFACTOR;
    parameters.flDopplerFactor = DS3D_DEFAULTDOPPLERFACTOR;
    return parameters;
}

// A change given immediately takes effect and stays in the deferred record too; a
// deferred one waits there for the commit.
template <typename Record, typename Change>
HRESULT ApplyChange(Record& applied, Record& deferred, DWORD apply, bool valid, Change change)
{
    if (!valid || (apply != DS3D_IMMEDIATE && apply != DS3D_DEFERRED))
        return DSERR_INVALIDPARAM;
    change(deferred);
    if (apply == DS3D_IMMEDIATE)
        change(applied);
    return DS_OK;
}

template <typename Value>
HRESULT Give(Value* out, const Value& value)
{
    if (out == nullptr)
        return DSERR_INVALIDPARAM;
    *out = value;
    return DS_OK;
}

} // namespace

SimThreeDBuffer::SimThreeDBuffer(IUnknown& outer)
    : m_outer(outer), m_applied(DefaultBuffer()), m_deferred(DefaultBuffer())
{
}

void SimThreeDBuffer::CommitDeferred() { m_applied = m_deferred; }

HRESULT SimThreeDBuffer::QueryInterface(REFIID iid, void** object)
{
    if (object != nullptr && iid == kIidDirectSound3DBuffer) {
        *object = static_cast<IDirectSound3DBuffer*>(this);
        AddRef();
        return S_OK;
    }
    return m_outer.QueryInterface(iid, object);
}

ULONG SimThreeDBuffer::AddRef() { return m_outer.AddRef(); }
ULONG SimThreeDBuffer::Release() { return m_outer.Release(); }

HRESULT SimThreeDBuffer::GetAllParameters(LPDS3DBUFFER parameters)
{
    if (parameters == nullptr || parameters->dwSize != sizeof(DS3DBUFFER))
        return DSERR_INVALIDPARAM;
    *parameters = m_applied;
    return DS_OK;
}

HRESULT SimThreeDBuffer::GetConeAngles(LPDWORD inside, LPDWORD outside)
{
    if (inside == nullptr || outside == nullptr)
        return DSERR_INVALIDPARAM;
    *inside = m_applied.dwInsideConeAngle;
    *outside = m_applied.dwOutsideConeAngle;
    return DS_OK;
}

HRESULT SimThreeDBuffer::GetConeOrientation(LPD3DVECTOR orientation)
{
    return Give(orientation, m_applied.vConeOrientation);
}

HRESULT SimThreeDBuffer::GetConeOutsideVolume(LPLONG volume) { return Give(volume, m_applied.lConeOutsideVolume); }
HRESULT SimThreeDBuffer::GetMaxDistance(LPD3DVALUE distance) { return Give(distance, m_applied.flMaxDistance); }
HRESULT SimThreeDBuffer::GetMinDistance(LPD3DVALUE distance) { return Give(distance, m_applied.flMinDistance); }
HRESULT SimThreeDBuffer::GetMode(LPDWORD mode) { return Give(mode, m_applied.dwMode); }
HRESULT SimThreeDBuffer::GetPosition(LPD3DVECTOR position) { return Give(position, m_applied.vPosition); }
HRESULT SimThreeDBuffer::GetVelocity(LPD3DVECTOR velocity) { return Give(velocity, m_applied.vVelocity); }

HRESULT SimThreeDBuffer::SetAllParameters(LPCDS3DBUFFER parameters, DWORD apply)
{
    const bool valid = parameters != nullptr && parameters->dwSize == sizeof(DS3DBUFFER);
    return ApplyChange(m_applied, m_deferred, apply, valid, [&](DS3DBUFFER& record) {
        record = *parameters;
    });
}

HRESULT SimThreeDBuffer::SetConeAngles(DWORD inside, DWORD outside, DWORD apply)
{
    return ApplyChange(m_applied, m_deferred, apply, inside <= 360 && outside <= 360, [&](DS3DBUFFER& record) {
        record.dwInsideConeAngle = inside;
        record.dwOutsideConeAngle = outside;
    });
}

HRESULT SimThreeDBuffer::SetConeOrientation(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply)
{
    return ApplyChange(m_applied, m_deferred, apply, true, [&](DS3DBUFFER& record) {
        record.vConeOrientation = Vector(x, y, z);
    });
}

HRESULT SimThreeDBuffer::SetConeOutsideVolume(LONG volume, DWORD apply)
{
    const bool valid = volume >= DSBVOLUME_MIN && volume <= DSBVOLUME_MAX;
    return ApplyChange(m_applied, m_deferred, apply, valid, [&](DS3DBUFFER& record) {
        record.lConeOutsideVolume = volume;
    });
}

HRESULT SimThreeDBuffer::SetMaxDistance(D3DVALUE distance, DWORD apply)
{
    return ApplyChange(m_applied, m_deferred, apply, distance > 0.0f, [&](DS3DBUFFER& record) {
        record.flMaxDistance = distance;
    });
}

HRESULT SimThreeDBuffer::SetMinDistance(D3DVALUE distance, DWORD apply)
{
    return ApplyChange(m_applied, m_deferred, apply, distance > 0.0f, [&](DS3DBUFFER& record) {
        record.flMinDistance = distance;
    });
}

HRESULT SimThreeDBuffer::SetMode(DWORD mode, DWORD apply)
{
    return ApplyChange(m_applied, m_deferred, apply, mode <= DS3DMODE_DISABLE, [&](DS3DBUFFER& record) {
        record.dwMode = mode;
    });
}

HRESULT SimThreeDBuffer::SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply)
{
    return ApplyChange(m_applied, m_deferred, apply, true, [&](DS3DBUFFER& record) {
        record.vPosition = Vector(x, y, z);
    });
}

HRESULT SimThreeDBuffer::SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply)
{
    return ApplyChange(m_applied, m_deferred, apply, true, [&](DS3DBUFFER& record) {
        record.vVelocity = Vector(x, y, z);
    });
}

SimThreeDListener::SimThreeDListener(IUnknown& outer, CommitFunction commit, void* context)
    : m_outer(outer), m_commit(commit), m_context(context), m_applied(DefaultListener()),
      m_deferred(DefaultListener())
{
}

HRESULT SimThreeDListener::QueryInterface(REFIID iid, void** object)
{
    if (object != nullptr && iid == kIidDirectSound3DListener) {
        *object = static_cast<IDirectSound3DListener*>(this);
        AddRef();
        return S_OK;
    }
    return m_outer.QueryInterface(iid, object);
}

ULONG SimThreeDListener::AddRef() { return m_outer.AddRef(); }
ULONG SimThreeDListener::Release() { return m_outer.Release(); }

HRESULT SimThreeDListener::GetAllParameters(LPDS3DLISTENER parameters)
{
    if (parameters == nullptr || parameters->dwSize != sizeof(DS3DLISTENER))
        return DSERR_INVALIDPARAM;
    *parameters = m_applied;
    return DS_OK;
}

HRESULT SimThreeDListener::GetDistanceFactor(LPD3DVALUE factor) { return Give(factor, m_applied.flDistanceFactor); }
HRESULT SimThreeDListener::GetDopplerFactor(LPD3DVALUE factor) { return Give(factor, m_applied.flDopplerFactor); }

HRESULT SimThreeDListener::GetOrientation(LPD3DVECTOR front, LPD3DVECTOR top)
{
    if (front == nullptr || top == nullptr)
        return DSERR_INVALIDPARAM;
    *front = m_applied.vOrientFront;
    *top = m_applied.vOrientTop;
    return DS_OK;
}

HRESULT SimThreeDListener::GetPosition(LPD3DVECTOR position) { return Give(position, m_applied.vPosition); }
HRESULT SimThreeDListener::GetRolloffFactor(LPD3DVALUE factor) { return Give(factor, m_applied.flRolloffFactor); }
HRESULT SimThreeDListener::GetVelocity(LPD3DVECTOR velocity) { return Give(velocity, m_applied.vVelocity); }

HRESULT SimThreeDListener::SetAllParameters(LPCDS3DLISTENER parameters, DWORD apply)
{
    const bool valid = parameters != nullptr && parameters->dwSize == sizeof(DS3DLISTENER);
    return ApplyChange(m_applied, m_deferred, apply, valid, [&](DS3DLISTENER& record) {
        record = *parameters;
    });
}

HRESULT SimThreeDListener::SetDistanceFactor(D3DVALUE factor, DWORD apply)
{
    return ApplyChange(m_applied, m_deferred, apply, factor > 0.0f, [&](DS3DLISTENER& record) {
        record.flDistanceFactor = factor;
    });
}

HRESULT SimThreeDListener::SetDopplerFactor(D3DVALUE factor, DWORD apply)
{
    const bool valid = factor >= DS3D_MINDOPPLERFACTOR && factor <= DS3D_MAXDOPPLERFACTOR;
    return ApplyChange(m_applied, m_deferred, apply, valid, [&](DS3DLISTENER& record) {
        record.flDopplerFactor = factor;
    });
}

HRESULT SimThreeDListener::SetOrientation(D3DVALUE xFront, D3DVALUE yFront, D3DVALUE zFront, D3DVALUE xTop,
                                          D3DVALUE yTop, D3DVALUE zTop, DWORD apply)
{
    return ApplyChange(m_applied, m_deferred, apply, true, [&](DS3DLISTENER& record) {
        record.vOrientFront = Vector(xFront, yFront, zFront);
        record.vOrientTop = Vector(xTop, yTop, zTop);
    });
}

HRESULT SimThreeDListener::SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply)
{
    return ApplyChange(m_applied, m_deferred, apply, true, [&](DS3DLISTENER& record) {
        record.vPosition = Vector(x, y, z);
    });
}

HRESULT SimThreeDListener::SetRolloffFactor(D3DVALUE factor, DWORD apply)
{
    const bool valid = factor >= DS3D_MINROLLOFFFACTOR && factor <= DS3D_MAXROLLOFFFACTOR;
    return ApplyChange(m_applied, m_deferred, apply, valid, [&](DS3DLISTENER& record) {
        record.flRolloffFactor = factor;
    });
}

HRESULT SimThreeDListener::SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply)
{
    return ApplyChange(m_applied, m_deferred, apply, true, [&](DS3DLISTENER& record) {
        record.vVelocity = Vector(x, y, z);
    });
}

HRESULT SimThreeDListener::CommitDeferredSettings()
{
    m_commit(m_context);
    return DS_OK;
}
