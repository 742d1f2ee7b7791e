#!/usr/bin/env bash
# The program speaks the user's language: started in German, in French (named
# by LANGUAGE, which comes before LANG) and in a language it does not ship,
# the tray menu, the tabs and a message box read in German, French and
# English. The menu is read as a StatusNotifierItem host reads it, the
# window over the accessibility bus.
source "$ORVELLA_E2E_LIB"
start_x 1280x800
start_wm
setup_app "$1"
cp -r "$(dirname "$1")/translations" "$APP_DIR/" # shipped beside the executable, as the build places them

start_session_bus
start_accessibility_bus
start_sni_tray gtk-sni-tray-standalone --top --beginning

# The labels of the exported menu, in order, joined with "|".
menu_labels() {
  sni_menu_layout "$1" "$(sni_menu "$1")" | grep -o "'label': <'[^']*'>" | sed "s/'label': <'\(.*\)'>/\1/" | paste -sd '|'
}

# in_language "ENV..." MENU TABS SAVE BOX: starts the program with the
# locale variables given, reads its texts, ends it.
in_language() {
  local env=$1 menu=$2 real=$APP_EXE svc labels; shift 2
  # Only the program runs in that locale, which need not exist on the machine.
  printf '#!/bin/sh\nexec env -u LANGUAGE -u LC_ALL -u LC_MESSAGES %s "%s"\n' "$env" "$real" >"$E2E_TMP/in_language"
  chmod +x "$E2E_TMP/in_language"
  APP_EXE="$E2E_TMP/in_language"
  start_app
  APP_EXE=$real
  svc=$(first_of 20 sni_item) || fail "$env: the icon did not register"
  svc=${svc%%/*}
  wait_gone 20 splash_window || fail "$env: splash still up"
  labels=$(menu_labels "$svc")
  [ "$labels" = "$menu" ] || fail "$env: the tray menu reads '$labels', expected '$menu'"
  pass "$env: the tray menu reads $labels"
  gdbus call --session -d "$svc" -o /StatusNotifierItem -m org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
  timeout 120 /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/language_probe.py" "$APP_PID" "$@" \
    || fail "$env: the window's texts are not in the expected language"
  kill "$APP_PID"
  wait_gone 10 app_alive || fail "$env: the program did not end"
  wait_gone 10 sni_item || fail "$env: the icon stayed registered"
}

in_language "LANG=de_DE.UTF-8" \
  "Einstellungen|Botschaften anhalten|Beenden" \
  "Botschaften|Einstellungen|Newsletter|Ressourcen|Info|Hilfe|Mehr Botschaften" \
  "Speichern" "Einstellungen gespeichert"
in_language "LANGUAGE=fr_FR:de LANG=de_DE.UTF-8" \
  "Paramètres|Suspendre les messages|Quitter" \
  "Messages|Paramètres|Lettre d'information|Ressources|À propos|Aide|Plus de messages" \
  "Enregistrer" "Paramètres enregistrés"
in_language "LANG=xx_YY.UTF-8" \
  "Settings|Pause Messages|Exit" \
  "Messages|Settings|Newsletter|Resources|About|Help|Additional Subliminal Messages" \
  "Save" "Settings Saved Successfully"
