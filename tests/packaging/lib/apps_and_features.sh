# Sourced by the Windows package tests: what Apps and features lists for Vardolin, read from the
# uninstall entries in Wine's registry, one "name|version|publisher" line an entry.
vardolin_entries() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
        tr -d '\r' | awk '
            /^HKEY/ { if (name == "Vardolin") print name "|" version "|" publisher
                      name = version = publisher = "" }
            $1 == "DisplayName" { name = $3 }
            $1 == "DisplayVersion" { version = $3 }
            $1 == "Publisher" { publisher = substr($0, index($0, $3)) }
            END { if (name == "Vardolin") print name "|" version "|" publisher }'
}

# The folder Apps and features names for Vardolin's entry (InstallLocation), in Windows' form.
vardolin_install_location() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
        tr -d '\r' | awk '
            /^HKEY/ { if (name == "Vardolin") print location
                      name = location = "" }
            $1 == "DisplayName" { name = $3 }
            $1 == "InstallLocation" { location = substr($0, index($0, $3)) }
            END { if (name == "Vardolin") print location }'
}
