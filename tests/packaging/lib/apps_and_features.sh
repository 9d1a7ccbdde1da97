# shellcheck shell=bash
# Sourced by the Windows package tests: what Apps and features lists for Vardolin, read from the
# uninstall entries in Wine's registry.

# One "name|version|publisher|folder" line for each of Vardolin's entries. reg writes to a pipe
# in the console's code page, 437 in the C.UTF-8 locale that the tests run Wine in.
vardolin_uninstall_entries() {
    LC_ALL=C.UTF-8 wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s \
        2>/dev/null | iconv -f CP437 -t UTF-8 | tr -d '\r' | awk '
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
