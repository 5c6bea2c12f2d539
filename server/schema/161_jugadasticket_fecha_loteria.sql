-- The plays of one day, and of one lottery on that day, through one index
-- led by the date. The plays lie in the table in the order of their days,
-- so the planner reads a day's plays of a lottery in that order (the live
-- monitor's poll, the award of some lotteries). Through
-- jugadasticket_sorteo, led by the lottery, it assumed the plays scattered
-- over the table and read every play of the day instead. The day's queries
-- over every lottery use the index as they used the date alone.
DROP INDEX jugadasticket_fecha;
CREATE INDEX jugadasticket_fecha ON jugadasticket (fechaticket, cod_lot);
