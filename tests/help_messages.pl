#!/usr/bin/perl
# Every message the help quotes (its "msg" blocks) is a text the program can
# show: the help is read against the UTF-16 literals of the program's sources.
# Usage: tests/help_messages.pl SOURCE-ROOT; prints each message it cannot find.
use strict;
use warnings;

my $root = shift // '.';
local $/;
my %texts;
for my $file (glob "$root/{app,core,datafile,launch,settings,sysres,ui}/*.{cpp,h}") {
    open my $in, '<', $file or die "$file: $!\n";
    my $source = <$in>;
    # Adjacent literals are one text, and so are literals joined by "+ name +".
    # The help writes a line break as "\n", a printf field or a joined name as
    # a <var>, and an error box's text with the period it adds.
    my $literal = qr/L"(?:[^"\\]|\\.)*"/;
    while ($source =~ /((?:$literal(?:\s*\+\s*[\w.:]+\s*\+(?=\s*L"))?\s*)+)/g) {
        my $text = join '', map { defined $_ ? $_ : "\0" } $1 =~ /L"((?:[^"\\]|\\.)*)"|\+\s*[\w.:]+\s*\+/g;
        $text =~ s/\\(.)/$1 eq 'n' ? "\n" : $1 eq 'r' ? '' : $1/ge;
        $text =~ s/%[-.\dhl]*[a-zA-Z]/%/g;
        $text =~ tr/\0/%/;
        $texts{$text} = 1;
        $texts{"$text."} = 1 if $text !~ /[\x00-.]\z/;
    }
}
open my $in, '<', "$root/docs/Quorvane.html" or die "Quorvane.html: $!\n";
my $help = <$in>;
my ($quoted, $missing) = (0, 0);
while ($help =~ m{<span class="msg">(.*?)</span>}sg) {
    (my $message = $1) =~ s{<var>.*?</var>}{%}g;
    $message =~ s/&lt;/</g, $message =~ s/&gt;/>/g, $message =~ s/&amp;/&/g;
    $quoted++;
    next if $texts{$message};
    print "not a text of the program:\n$message\n\n";
    $missing++;
}
die "the help's messages were not found\n" if $quoted < 10;
exit($missing ? 1 : 0);
