# Sourced by the Windows package tests: what Apps and features lists for Vardolin, read from the
# uninstall entries in Wine's registry.

# One "name|version|publisher|folder" line for each of Vardolin's entries.
vardolin_uninstall_entries() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
        tr -d '\r' | awk '
            function flush() {
                if (name == "Vardolin") print name "|" version "|" publisher "|" location
                name = version = publisher = location = ""
            }
            /^HKEY/ { flush() }
            $1 == "DisplayName" { name = $3 }
            $1 == "DisplayVersion" { version = $3 }
            $1 == "Publisher" { publisher = substr($0, index($0, $3)) }
            $1 == "InstallLocation" { location = substr($0, index($0, $3)) }
            END { flush() }'
}

# One "name|version|publisher" line an entry.
vardolin_entries() {
    vardolin_uninstall_entries | cut -d '|' -f 1-3
}

# The folder an entry names (InstallLocation), in Windows' form.
vardolin_install_location() {
    vardolin_uninstall_entries | cut -d '|' -f 4
}
