// The desktop's settings through GIO: the settings portal over D-Bus, or GSettings. Both deliver
// their changes on GLib's main context, which Qt's event loop runs.
#include "framework/qt/desktop_settings.h"

#include <gio/gio.h>

#include <cstring>
#include <string>
#include <utility>

namespace {

struct Setting {
    const char* schema;
    const char* key;
    void (*apply)(DesktopSettings&, GVariant*);
};

void ApplyColourScheme(DesktopSettings& settings, GVariant* value) {
    // The portal's own key is a number (1: prefer dark), GNOME's a name.
    if (g_variant_is_of_type(value, G_VARIANT_TYPE_UINT32)) {
        settings.dark = g_variant_get_uint32(value) == 1;
    } else if (g_variant_is_of_type(value, G_VARIANT_TYPE_STRING)) {
        settings.dark = std::strcmp(g_variant_get_string(value, nullptr), "prefer-dark") == 0;
    }
}

void ApplyHighContrast(DesktopSettings& settings, GVariant* value) {
    if (g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN)) {
        settings.highContrast = g_variant_get_boolean(value) != 0;
    }
}

void ApplyTextScale(DesktopSettings& settings, GVariant* value) {
    // GNOME allows 0.5 to 3.
    if (g_variant_is_of_type(value, G_VARIANT_TYPE_DOUBLE)) {
        const double scale = g_variant_get_double(value);
        settings.textScale = scale >= 0.5 && scale <= 3.0 ? scale : 1.0;
    }
}

void ApplyButtonLayout(DesktopSettings& settings, GVariant* value) {
    if (g_variant_is_of_type(value, G_VARIANT_TYPE_STRING)) {
        settings.buttonLayout = g_variant_get_string(value, nullptr);
    }
}

constexpr const char* kPortalScheme = "org.freedesktop.appearance";

constexpr Setting kSettings[] = {
    {kPortalScheme, "color-scheme", ApplyColourScheme},
    {"org.gnome.desktop.interface", "color-scheme", ApplyColourScheme},
    {"org.gnome.desktop.a11y.interface", "high-contrast", ApplyHighContrast},
    {"org.gnome.desktop.interface", "text-scaling-factor", ApplyTextScale},
    {"org.gnome.desktop.wm.preferences", "button-layout", ApplyButtonLayout},
};

struct Follower {
    DesktopSettings settings;
    std::function<void(const DesktopSettings&)> changed;
};

Follower& TheFollower() {
    static Follower follower;
    return follower;
}

// Takes `value` of `schema`'s `key` into the settings; tells the program if they changed.
void Take(const char* schema, const char* key, GVariant* value, bool tell) {
    Follower& follower = TheFollower();
    const DesktopSettings before = follower.settings;
    for (const Setting& setting : kSettings) {
        if (std::strcmp(setting.schema, schema) == 0 && std::strcmp(setting.key, key) == 0) {
            setting.apply(follower.settings, value);
        }
    }
    if (tell && !(follower.settings == before)) {
        follower.changed(follower.settings);
    }
}

// --- the settings portal ---

constexpr const char* kPortal = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* kPortalSettings = "org.freedesktop.portal.Settings";
// How long the program waits for a running portal's answer at start: a portal that does not
// answer within it is taken as none. A portal that does not run is not started: where none
// has started with the session, starting one (and the backends it looks for) costs most of a
// second, and GSettings has the same settings.
constexpr int kPortalAnswerMs = 2000;

void OnPortalSettingChanged(GDBusConnection*, const char*, const char*, const char*, const char*,
                            GVariant* parameters, gpointer) {
    const char* schema = nullptr;
    const char* key = nullptr;
    GVariant* value = nullptr;
    g_variant_get(parameters, "(&s&sv)", &schema, &key, &value);
    Take(schema, key, value, true);
    g_variant_unref(value);
}

// Reads the settings from the portal and follows its changes; false where no portal answers.
bool FollowPortal() {
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (bus == nullptr) {
        return false;
    }
    GVariantBuilder schemas;
    g_variant_builder_init(&schemas, G_VARIANT_TYPE_STRING_ARRAY);
    for (const Setting& setting : kSettings) {
        g_variant_builder_add(&schemas, "s", setting.schema);
    }
    GVariant* reply = g_dbus_connection_call_sync(
        bus, kPortal, kPortalPath, kPortalSettings, "ReadAll", g_variant_new("(as)", &schemas),
        G_VARIANT_TYPE("(a{sa{sv}})"), G_DBUS_CALL_FLAGS_NO_AUTO_START, kPortalAnswerMs, nullptr,
        nullptr);
    if (reply == nullptr) {
        g_object_unref(bus);
        return false;
    }
    GVariantIter* byScheme = nullptr;
    g_variant_get(reply, "(a{sa{sv}})", &byScheme);
    const char* schema = nullptr;
    GVariantIter* byKey = nullptr;
    while (g_variant_iter_loop(byScheme, "{&sa{sv}}", &schema, &byKey)) {
        const char* key = nullptr;
        GVariant* value = nullptr;
        while (g_variant_iter_loop(byKey, "{&sv}", &key, &value)) {
            Take(schema, key, value, false);
        }
    }
    g_variant_iter_free(byScheme);
    g_variant_unref(reply);
    // The connection stays open for the program's life, for the changes.
    g_dbus_connection_signal_subscribe(bus, kPortal, kPortalSettings, "SettingChanged", kPortalPath,
                                       nullptr, G_DBUS_SIGNAL_FLAGS_NONE, OnPortalSettingChanged,
                                       nullptr, nullptr);
    return true;
}

// --- GSettings ---

void OnGSettingChanged(GSettings* source, const char* key, gpointer) {
    gchar* schema = nullptr;
    g_object_get(source, "schema-id", &schema, nullptr);
    GVariant* value = g_settings_get_value(source, key);
    Take(schema, key, value, true);
    g_variant_unref(value);
    g_free(schema);
}

void FollowGSettings() {
    GSettingsSchemaSource* installed = g_settings_schema_source_get_default();
    for (const Setting& setting : kSettings) {
        GSettingsSchema* schema =
            installed != nullptr ? g_settings_schema_source_lookup(installed, setting.schema, TRUE)
                                 : nullptr;
        if (schema == nullptr) {
            continue;
        }
        if (g_settings_schema_has_key(schema, setting.key)) {
            // Kept for the program's life, for the changes.
            GSettings* source = g_settings_new_full(schema, nullptr, nullptr);
            GVariant* value = g_settings_get_value(source, setting.key);
            Take(setting.schema, setting.key, value, false);
            g_variant_unref(value);
            const std::string signal = std::string("changed::") + setting.key;
            g_signal_connect(source, signal.c_str(), G_CALLBACK(OnGSettingChanged), nullptr);
        }
        g_settings_schema_unref(schema);
    }
}

}  // namespace

void FollowDesktopSettings(std::function<void(const DesktopSettings&)> changed) {
    Follower& follower = TheFollower();
    follower.changed = std::move(changed);
    if (!FollowPortal()) {
        FollowGSettings();
    }
    follower.changed(follower.settings);
}
