#!/usr/bin/env bash
# `make fuzz`: random sessions with fresh seeds, one after another, until the time is up.
#   tests/fuzz.sh ORVENTO_CLI SECONDI EVENTI CARTELLA
# Each run plays EVENTI events from a seed taken from the clock and writes its session file as it
# goes. The first run that breaks a check, or stops the program, ends the loop and leaves that
# file in CARTELLA with the command that replays it; the files of the runs that pass are removed.
set -u
cli=$1
secondi=$2
eventi=$3
cartella=$4
mkdir -p "$cartella"

inizio=$(date +%s)
fine=$((inizio + secondi))
sessioni=0
totale=0
ignorati=0
nondisp=0
schemi=0
while [ "$(date +%s)" -lt "$fine" ]; do
  # Nanoseconds since the epoch: a new seed each run, and one that fits the tool's 64 bits.
  seme=$(date +%s%N)
  file="$cartella/casuale-$seme.ses"
  riepilogo=$("$cli" sessione --casuale "$eventi" --seme "$seme" --salva "$file" 2>"$file.err")
  stato=$?
  if [ "$stato" -eq 0 ]; then
    rm -f "$file" "$file.err"
    sessioni=$((sessioni + 1))
    # "# sessione casuale, seme S: N eventi, I ignorati, D non ancora disponibili, K schemi"
    read -r n i d k <<<"$(sed -E 's/.*: ([0-9]+) eventi, ([0-9]+) ignorati, ([0-9]+) non .*, ([0-9]+) schemi/\1 \2 \3 \4/' <<<"$riepilogo")"
    totale=$((totale + n))
    ignorati=$((ignorati + i))
    nondisp=$((nondisp + d))
    schemi=$((schemi + k))
    continue
  fi
  cat "$file.err"
  rm -f "$file.err"
  # The events of the failed run: the lines after the two of the header, up to what broke.
  giocati=$(sed -n '3,$p' "$file" | sed '/^# Evento /,$d' | wc -l)
  if [ "$stato" -eq 1 ]; then
    echo "make fuzz: un controllo non regge (seme $seme)."
  else
    echo "make fuzz: il programma si e' fermato con lo stato $stato (seme $seme);" \
      "l'ultima riga del file e' l'evento che lo ha fermato."
  fi
  echo "make fuzz: $sessioni sessioni riuscite e $((totale + giocati)) eventi in tutto prima del guasto."
  echo "Si ripete con: $cli sessione --seme $seme $file"
  exit 1
done
echo "make fuzz: $sessioni sessioni, $totale eventi ($ignorati ignorati, $nondisp non ancora" \
  "disponibili, $schemi schemi) in $(($(date +%s) - inizio)) s: nessun guasto."
