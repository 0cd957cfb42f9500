#!/usr/bin/env bash
# Checks the text files that ship beside tewo.exe (or the files named on the
# command line): Shift-JIS that converts cleanly, CR LF line ends only, the
# last line ended too, no byte 0x1A (text mode would end the file there) and
# no line wider than 80 bytes, so that the help text fits its window and a
# printed page.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
[ "$#" -gt 0 ] || set -- src/resources/help.txt src/resources/tewoc.ini

status=0
for f in "$@"; do
  if ! iconv -f CP932 -t UTF-8 "$f" >/dev/null 2>&1; then
    echo "$f: not valid Shift-JIS (iconv -f CP932 fails)"
    status=1
  fi
  # Shift-JIS never uses CR, LF or 0x1A as the second byte of a character,
  # so the bytes can be checked one line at a time.
  if ! perl -e '
      my ($file) = @ARGV;
      open(my $in, "<:raw", $file) or die "$file: $!\n";
      my $bytes = do { local $/; <$in> };
      my ($line, $bad) = (0, 0);
      for my $text (split /(?<=\n)/, $bytes) {
        ++$line;
        my $body = $text;
        my $crlf = $body =~ s/\r\n\z//;
        my @faults;
        push @faults, "bare LF" if !$crlf && $body =~ s/\n\z//;
        push @faults, "no line break at the end of the file" if !$crlf && $text eq $body;
        push @faults, "bare CR" if $body =~ /\r/;
        push @faults, "byte 0x1A" if $body =~ /\x1A/;
        push @faults, length($body) . " bytes wide" if length($body) > 80;
        next unless @faults;
        print "$file:$line: ", join(", ", @faults), "\n";
        $bad = 1;
      }
      exit $bad;' "$f"; then
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "text files: Shift-JIS, CR LF, at most 80 bytes a line"
exit "$status"
